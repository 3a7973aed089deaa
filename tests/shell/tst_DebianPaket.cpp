#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

// The Debian package as an administrator installs it: dependencies computed from the program's
// libraries, only installed files inside, and no lintian errors.
class tst_DebianPaket : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_paket;

    static int laufen(const QString& programm, const QStringList& argumente, QString& ausgabe,
                      int ms = 300000) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programm, argumente);
        if (!p.waitForFinished(ms)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        ausgabe = QString::fromUtf8(p.readAll());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString feld(const char* name) {
        QString ausgabe;
        laufen(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_paket, QString::fromUtf8(name)},
               ausgabe);
        return ausgabe.trimmed();
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            QSKIP("dpkg-shlibdeps missing (dpkg-dev)");
        QString ausgabe;
        const int rc = laufen(QStringLiteral(DRILLA_CPACK),
                              {QStringLiteral("--config"),
                               QStringLiteral(DRILLA_BAUORDNER "/CPackConfig.cmake"),
                               QStringLiteral("-B"), m_ordner.path()},
                              ausgabe);
        QVERIFY2(rc == 0, qPrintable(ausgabe));
        const QStringList pakete = QDir(m_ordner.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(pakete.size(), 1);
        m_paket = m_ordner.filePath(pakete.first());
    }

    void nameUndAbhaengigkeiten() {
        QVERIFY(QFileInfo(m_paket).fileName().startsWith(QStringLiteral("drilla_3.5.0.15_")));
        QCOMPARE(feld("Package"), QStringLiteral("drilla"));
        QCOMPARE(feld("Section"), QStringLiteral("education"));
        const QStringList abh = feld("Depends").split(QStringLiteral(", "));
        auto hat = [&](const char* anfang) {
            return std::any_of(abh.cbegin(), abh.cend(), [&](const QString& a) {
                return a.startsWith(QString::fromUtf8(anfang));
            });
        };
        // Computed from the binary: the Qt libraries with versions, the C++ run-time.
        for (const char* lib :
             {"libqt6widgets6 (>=", "libqt6multimedia6 (>=", "libstdc++6 (>=", "libc6 (>="})
            QVERIFY2(hat(lib), qPrintable(abh.join(QStringLiteral(" | "))));
        QVERIFY(hat("fonts-liberation2") && hat("fonts-comic-neue"));
        for (const char* nie : {"gcc", "g++", "cmake", "build-essential", "libasan"})
            QVERIFY2(!hat(nie), nie);
    }

    // What goes in is what the install rules name (checked on a real install elsewhere),
    // under the system's prefix.
    void unterUsr() {
        QString inhalt;
        QCOMPARE(laufen(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), m_paket}, inhalt), 0);
        const QStringList zeilen = inhalt.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(zeilen.size() > 20);
        for (const QString& zeile : zeilen) {
            const QString pfad = zeile.section(QLatin1Char(' '), -1);
            QVERIFY2(pfad.startsWith(QStringLiteral("./usr/")) || pfad == QStringLiteral("./"),
                     qPrintable(pfad));
        }
        QVERIFY(inhalt.contains(QStringLiteral(" ./usr/bin/drilla\n")));
    }

    // Neither errors nor warnings: a warning crept in once (ldconfig calls for a private module).
    void lintianOhneFehler() {
        if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
            QSKIP("lintian missing");
        QString ausgabe;
        const int rc = laufen(
            QStringLiteral("lintian"),
            {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_paket}, ausgabe);
        qInfo("%s", qPrintable(ausgabe.trimmed()));
        QVERIFY2(rc == 0, qPrintable(ausgabe));
    }
};

QTEST_GUILESS_MAIN(tst_DebianPaket)
#include "tst_DebianPaket.moc"
