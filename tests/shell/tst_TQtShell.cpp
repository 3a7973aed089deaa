#include "shell/ui/TQtShell.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

// The desktop's programs as the real shell service starts them, with stand-ins for the
// desktop's own tools on the PATH.
class tst_TQtShell : public QObject {
    Q_OBJECT

    QTemporaryDir werkzeuge;
    QByteArray pfadVorher;

    void werkzeug(const char* name, const QByteArray& skript) {
        QFile datei(werkzeuge.filePath(QString::fromLatin1(name)));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("#!/bin/sh\n" + skript);
        datei.close();
        datei.setPermissions(datei.permissions() | QFileDevice::ExeOwner);
    }

private slots:
    void initTestCase() {
        pfadVorher = qgetenv("PATH");
        qputenv("PATH", werkzeuge.path().toUtf8() + ":/usr/bin:/bin");
    }
    void cleanupTestCase() { qputenv("PATH", pfadVorher); }

    void ohneProgrammFuerDieDateiMisslingtEsSichtbar() {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("auswertung.txt"));
        QFile(datei).open(QIODevice::WriteOnly);
        const QString spur = ordner.filePath(QStringLiteral("geoeffnet"));
        werkzeug("xdg-open", "echo \"$1\" > '" + spur.toUtf8() + "'\n");
        // The desktop knows no program for text files.
        werkzeug("xdg-mime", "exit 0\n");
        TQtShell shell;
        QVERIFY(!shell.textBearbeiten(datei));
        QVERIFY(!shell.ordnerZeigen(ordner.path()));
        // It knows one: the file is handed over and the call returns at once. Only the desktop
        // platform hands files over at all.
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("handing a file to the desktop needs an X display");
        werkzeug("xdg-mime", "echo editor.desktop\n");
        QVERIFY(shell.textBearbeiten(datei));
        QTRY_VERIFY(QFile::exists(spur));
    }
};

QTEST_MAIN(tst_TQtShell)
#include "tst_TQtShell.moc"
