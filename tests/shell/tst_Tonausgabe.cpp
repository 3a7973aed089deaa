#include "shell/ui/TQtKlang.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The real sound service against a real audio server: a private PulseAudio daemon whose only
// sink is a null sink, so nothing is heard and no desktop session is touched.
class tst_Tonausgabe : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    QProcess server_;
    QString pactl_;
    QString senke_; // index of the null sink

    QString pactl(const QStringList& argumente) {
        QProcess p;
        p.setProcessEnvironment(umgebung());
        p.start(pactl_, argumente);
        if (!p.waitForFinished(5000) || p.exitCode() != 0)
            return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QProcessEnvironment umgebung() const {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), serverAdresse());
        // A private runtime and home folder: as root and beside a user's own daemon alike.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), ordner_.path());
        env.insert(QStringLiteral("HOME"), ordner_.path());
        return env;
    }

    QString serverAdresse() const {
        return QStringLiteral("unix:") + ordner_.filePath(QStringLiteral("native"));
    }

    // Sink inputs on the null sink that are running (not corked) right now.
    int laufendeStroeme() {
        const QString liste = pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
        int laufend = 0;
        for (const QString& block : liste.split(QStringLiteral("Sink Input #"))) {
            const bool aufSenke = block.contains(
                QRegularExpression(QStringLiteral("\\n\\s*Sink: %1\\n").arg(senke_)));
            if (aufSenke && block.contains(QStringLiteral("Corked: no")))
                ++laufend;
        }
        return laufend;
    }

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        if (daemon.isEmpty() || pactl_.isEmpty())
            QSKIP("pulseaudio oder pactl fehlt (Pakete pulseaudio, pulseaudio-utils): "
                  "keine Prüfung am echten Audioserver");
        QVERIFY(ordner_.isValid());

        QFile skript(ordner_.filePath(QStringLiteral("drilla.pa")));
        QVERIFY(skript.open(QIODevice::WriteOnly));
        skript.write("load-module module-null-sink sink_name=drilla_stumm\n"
                     "load-module module-native-protocol-unix auth-anonymous=1 socket=" +
                     ordner_.filePath(QStringLiteral("native")).toUtf8() +
                     "\n"
                     "set-default-sink drilla_stumm\n");
        skript.close();

        server_.setProcessEnvironment(umgebung());
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(daemon,
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--disable-shm=yes"), QStringLiteral("-F"), skript.fileName(),
                       QStringLiteral("--log-target=stderr")});
        if (!server_.waitForStarted(5000))
            QSKIP("pulseaudio startet nicht: keine Prüfung am echten Audioserver");
        QDeadlineTimer frist(10000);
        QString senken;
        while (!frist.hasExpired() && server_.state() == QProcess::Running) {
            senken =
                pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
            if (senken.contains(QStringLiteral("drilla_stumm")))
                break;
            QTest::qWait(100);
        }
        const auto treffer = QRegularExpression(QStringLiteral("^(\\d+)\\s+drilla_stumm"),
                                                QRegularExpression::MultilineOption)
                                 .match(senken);
        if (!treffer.hasMatch()) {
            const QByteArray protokoll = server_.readAll();
            qWarning("%s", protokoll.constData());
            QSKIP("pulseaudio mit Null-Senke startet hier nicht: keine Prüfung am echten "
                  "Audioserver");
        }
        senke_ = treffer.captured(1);
        // Qt's audio backend connects on first use and reads the address from here.
        qputenv("PULSE_SERVER", serverAdresse().toUtf8());
    }

    void cleanupTestCase() {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(5000))
                server_.kill();
            server_.waitForFinished(2000);
        }
    }

    void klangLaeuftAufDerSenke_data() {
        QTest::addColumn<int>("nummer");
        QTest::newRow("grün (whoosh1)") << 3;
        QTest::newRow("rot (Othrlasr)") << 1;
    }

    void klangLaeuftAufDerSenke() {
        QFETCH(int, nummer);
        TQtKlang klang({QStringLiteral(DRILLA_MODULORDNER)});
        QTRY_COMPARE_WITH_TIMEOUT(klang.effekt(nummer)->status(), QSoundEffect::Ready, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(laufendeStroeme(), 0, 3000);

        klang.spielen(nummer);
        QTRY_VERIFY_WITH_TIMEOUT(laufendeStroeme() > 0, 3000);
        QVERIFY(klang.effekt(nummer)->isPlaying());
        // A short clip ends by itself; its stream then goes quiet again.
        QTRY_VERIFY_WITH_TIMEOUT(!klang.effekt(nummer)->isPlaying(), 5000);
    }
};

QTEST_MAIN(tst_Tonausgabe)
#include "tst_Tonausgabe.moc"
