#include "TTestDateien.h"
#include "shell/TNewIniFile.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <functional>

// The program installed under a prefix of its own and started there with a new home folder,
// as a user of an installed system meets it.
class tst_Installation : public QObject {
    Q_OBJECT

    QTemporaryDir m_praefix;
    QString m_geliefert; // <prefix>/share/drilla/

    static QString quelle(const char* pfad) {
        return QStringLiteral(DRILLA_QUELLORDNER "/") + QString::fromUtf8(pfad);
    }
    static int laufen(const QString& programm, const QStringList& argumente,
                      QString* ausgabe = nullptr) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programm, argumente);
        if (!p.waitForFinished(90000))
            return -1;
        const QString text = QString::fromUtf8(p.readAll());
        if (ausgabe)
            *ausgabe = text;
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            qWarning("%s: %s", qPrintable(programm), qPrintable(text));
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    static bool warten(const std::function<bool()>& bedingung, int ms = 60000) {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            if (uhr.elapsed() > ms)
                return false;
            QTest::qWait(50);
        }
        return true;
    }
    int naechsterTipp() const {
        return TNewIniFile(m_geliefert + QStringLiteral("drilla3.tip"))
            .zahlLesen(QStringLiteral("TIPS"), QStringLiteral("NextTip"), 0);
    }
    static QStringList dateien(const QString& ordner) {
        QStringList liste;
        QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            liste << QDir(ordner).relativeFilePath(it.next());
        liste.sort();
        return liste;
    }

    // Starts the installed program with `heim` as the home folder and waits until the tips
    // window, which comes after the folders, shows tip `tipp`. The program is then ended.
    void starten(const QString& heim, int tipp) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS",
                                 "XDG_CONFIG_DIRS", "XDG_DOCUMENTS_DIR"})
            env.remove(QString::fromUtf8(name));
        env.insert(QStringLiteral("HOME"), heim);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(m_praefix.filePath(QStringLiteral("bin/drilla")), {});
        QVERIFY(p.waitForStarted());
        const bool gezeigt = warten(
            [&] { return naechsterTipp() == tipp + 1 || p.state() == QProcess::NotRunning; });
        const bool laeuft = p.state() == QProcess::Running;
        p.kill();
        p.waitForFinished();
        QVERIFY2(laeuft, "the installed program ended during start-up");
        QVERIFY2(gezeigt, "the installed program did not show its tips");
    }

private slots:
    void initTestCase() {
        QVERIFY(m_praefix.isValid());
        QCOMPARE(laufen(QStringLiteral(DRILLA_CMAKE),
                        {QStringLiteral("--install"), QStringLiteral(DRILLA_BAUORDNER),
                         QStringLiteral("--prefix"), m_praefix.path()}),
                 0);
        m_geliefert = m_praefix.filePath(QStringLiteral("share/drilla/"));
    }

    void menueintragUndMetadatenGueltig() {
        const QString desktop =
            m_praefix.filePath(QStringLiteral("share/applications/de.morvane.drilla.desktop"));
        const QString metainfo =
            m_praefix.filePath(QStringLiteral("share/metainfo/de.morvane.drilla.metainfo.xml"));
        const QString pruefer =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (pruefer.isEmpty() || appstream.isEmpty())
            QSKIP("desktop-file-validate or appstreamcli missing (desktop-file-utils, appstream)");
        QString ausgabe;
        QCOMPARE(laufen(pruefer, {desktop}, &ausgabe), 0);
        QVERIFY2(ausgabe.trimmed().isEmpty(), qPrintable(ausgabe)); // no hints either
        QCOMPARE(laufen(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                    QStringLiteral("--pedantic"), metainfo}),
                 0);
        // The entry's icon is in the theme under the name the entry uses, in every size.
        TNewIniFile eintrag(desktop);
        QCOMPARE(eintrag.textLesen(QStringLiteral("Desktop Entry"), QStringLiteral("Icon"), {}),
                 QStringLiteral("de.morvane.drilla"));
        QCOMPARE(eintrag.textLesen(QStringLiteral("Desktop Entry"), QStringLiteral("Exec"), {}),
                 QStringLiteral("drilla"));
        const QDir hicolor(m_praefix.filePath(QStringLiteral("share/icons/hicolor")));
        QVERIFY(hicolor.exists(QStringLiteral("scalable/apps/de.morvane.drilla.svg")));
        for (int n : {16, 24, 32, 48, 64, 128, 256}) {
            const QString png = QStringLiteral("%1x%1/apps/de.morvane.drilla.png").arg(n);
            const QByteArray kopf = leseDatei(hicolor.filePath(png)).left(24);
            QVERIFY2(kopf.startsWith("\x89PNG"), qPrintable(png));
            // Width and height stand big-endian in the IHDR chunk; a wrong size is not used.
            QCOMPARE(qFromBigEndian<quint32>(kopf.constData() + 16), quint32(n));
            QCOMPARE(qFromBigEndian<quint32>(kopf.constData() + 20), quint32(n));
        }
    }

    void nurDasProgrammUndSeineDateien() {
        const QStringList alle = dateien(m_praefix.path());
        QStringList ausfuehrbar;
        for (const QString& d : alle)
            if (QFileInfo(m_praefix.filePath(d)).isExecutable())
                ausfuehrbar << d;
        QCOMPARE(ausfuehrbar, QStringList({QStringLiteral("bin/drilla")}));
        // The modules where the installed program looks for them.
        for (const char* modul : {"drilla_klang.so", "drilla_berichte.so"})
            QVERIFY(QFileInfo(m_praefix.filePath(QStringLiteral("bin/" DRILLA_MODUL_RELATIV "/") +
                                                 QLatin1String(modul)))
                        .isFile());
        QCOMPARE(dateien(m_geliefert + QStringLiteral("hilfe")), dateien(quelle("data/hilfe")));
        QCOMPARE(leseDatei(m_geliefert + QStringLiteral("drilla3.tip")),
                 leseDatei(quelle("data/drilla3.tip")));
        QStringList lektionen = QDir(quelle("data")).entryList({QStringLiteral("*.txt")});
        QCOMPARE(dateien(m_geliefert + QStringLiteral("Lektion")), lektionen);
    }

    void ersterStartImNetzwerkmodus() {
        QTemporaryDir heim;
        const QString lektion =
            heim.filePath(QStringLiteral(".local/share/MORVANE/DRILLA/Lektion/"));
        const QStringList geliefert = dateien(m_geliefert + QStringLiteral("Lektion"));
        const QStringList vorher = dateien(m_praefix.path());

        // The tips file beside the shipped files is found and shown: tip 1 at the first start.
        starten(heim.path(), 1);
        if (QTest::currentTestFailed())
            return;
        // Per-user folders only exist in network mode; the samples arrive there unchanged.
        QCOMPARE(dateien(lektion), geliefert);
        for (const QString& name : geliefert)
            QCOMPARE(leseDatei(lektion + name),
                     leseDatei(m_geliefert + QStringLiteral("Lektion/") + name));
        // Nothing new beside the program: its folder is not the user's.
        QCOMPARE(dateien(m_praefix.path()), vorher);
        QVERIFY(QFileInfo::exists(m_geliefert + QStringLiteral("hilfe/index.html")));

        // Lessons the user deleted stay deleted; one the user changed stays changed.
        QVERIFY(QFile::remove(lektion + geliefert.first()));
        QVERIFY(!schreibeDatei(heim,
                               QStringLiteral(".local/share/MORVANE/DRILLA/Lektion/") +
                                   geliefert.last(),
                               "eigen;eigen\r\n")
                     .isEmpty());
        starten(heim.path(), 2);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(dateien(lektion), geliefert.mid(1));
        QCOMPARE(leseDatei(lektion + geliefert.last()), QByteArray("eigen;eigen\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_Installation)
#include "tst_Installation.moc"
