#include "TTestDateien.h"
#include "shell/TBeispielLektionen.h"
#include "shell/TInstallation.h"
#include "shell/TVerzeichnisse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Where an installed or a built program finds its shipped files, and the sample lessons a new
// user receives.
class tst_TInstallation : public QObject {
    Q_OBJECT

    static QString unter(const QTemporaryDir& d, const char* pfad) {
        const QString p = d.filePath(QString::fromUtf8(pfad));
        return QDir().mkpath(p) ? p : QString();
    }

private slots:
    void installiertUnterBeliebigemPraefix() {
        QTemporaryDir praefix;
        const QString bin = unter(praefix, "opt/x y/bin");
        const QString geliefert = unter(praefix, "opt/x y/share/drilla");
        // A writable directory, as for root or a user's own prefix: still network mode.
        for (const QString& ort : {bin, bin + QLatin1Char('/')}) {
            const TInstallation i =
                TInstallation::ermitteln(ort, QStringLiteral("../share/drilla"));
            QVERIFY(i.Installiert);
            QVERIFY(i.Netzwerkmodus);
            QCOMPARE(i.ProgrammVerzeichnis, geliefert + QLatin1Char('/'));
        }
    }

    void buildOrdnerBehaeltEinzelplatz() {
        QTemporaryDir bau;
        const QString bin = unter(bau, "bin");
        // No share/drilla beside it, an empty path, or a path that leads back to bin itself.
        for (const QString& relativ : {QStringLiteral("../share/drilla"), QString(),
                                       QStringLiteral("."), QStringLiteral("../bin")}) {
            const TInstallation i = TInstallation::ermitteln(bin, relativ);
            QVERIFY2(!i.Installiert, qPrintable(relativ));
            QVERIFY(!i.Netzwerkmodus);
            QCOMPARE(i.ProgrammVerzeichnis, bin + QLatin1Char('/'));
        }
        QFile marke(QDir(bin).filePath(TVerzeichnisse::netzwerkMarke()));
        QVERIFY(marke.open(QIODevice::WriteOnly));
        marke.close();
        const TInstallation netz = TInstallation::ermitteln(bin, QStringLiteral("../share/drilla"));
        QVERIFY(!netz.Installiert);
        QVERIFY(netz.Netzwerkmodus);
    }

    void kopiertNurLektionenByteGenau() {
        QTemporaryDir quelle, ziel;
        // Undefined code points, a NUL and a lone CR: copied as they are, never re-encoded.
        static const char kRoh[] = "Hund;dog\r\n\x81\x9d;\0x\rKatze;cat";
        const QByteArray roh(kRoh, sizeof kRoh - 1);
        schreibeDatei(quelle, QStringLiteral("tiere.txt"), roh);
        schreibeDatei(quelle, QStringLiteral("Neue Lektion.txt"), "a;b\r\n");
        schreibeDatei(quelle, QStringLiteral("admin.ini"), "[Setup]\r\n");
        QVERIFY(QDir(quelle.path()).mkdir(QStringLiteral("unter")));
        schreibeDatei(quelle, QStringLiteral("unter/tief.txt"), "c;d\r\n");
        QCOMPARE(TBeispielLektionen::kopieren(quelle.path(), ziel.path()), 2);
        QCOMPARE(leseDatei(ziel.filePath(QStringLiteral("tiere.txt"))), roh);
        QCOMPARE(QDir(ziel.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Neue Lektion.txt"), QStringLiteral("tiere.txt")}));
    }

    void ueberschreibtNieEineDateiDesBenutzers() {
        QTemporaryDir quelle, ziel;
        schreibeDatei(quelle, QStringLiteral("a.txt"), "neu;neu\r\n");
        schreibeDatei(quelle, QStringLiteral("b.txt"), "neu;neu\r\n");
        schreibeDatei(ziel, QStringLiteral("a.txt"), "eigen;eigen\r\n");
        // A link pointing nowhere: writing through it would create a file elsewhere.
        QTemporaryDir anderswo;
        const QString fern = anderswo.filePath(QStringLiteral("fern.txt"));
        QVERIFY(QFile::link(fern, ziel.filePath(QStringLiteral("b.txt"))));
        QCOMPARE(TBeispielLektionen::kopieren(quelle.path(), ziel.path()), 0);
        QCOMPARE(leseDatei(ziel.filePath(QStringLiteral("a.txt"))), QByteArray("eigen;eigen\r\n"));
        QVERIFY(!QFileInfo::exists(fern));
    }

    // The per-user start-up: the samples arrive in the lesson folder a start creates, once.
    void beispieleNurBeimErstenStart() {
        QTemporaryDir programm, heim;
        QVERIFY(QDir(programm.path()).mkdir(QStringLiteral("Lektion")));
        schreibeDatei(programm, QStringLiteral("Lektion/eins.txt"), "1;eins\r\n");
        schreibeDatei(programm, QStringLiteral("Lektion/zwei.txt"), "2;zwei\r\n");
        const QString programmPfad = programm.path() + QLatin1Char('/');
        const QStringList shell = {heim.filePath(QStringLiteral("daten"))};

        const TVerzeichnisse erst = TVerzeichnisse::ermitteln(programmPfad, true, shell, {});
        const QDir lektion(erst.Lektion);
        QCOMPARE(lektion.entryList(QDir::Files),
                 QStringList({QStringLiteral("eins.txt"), QStringLiteral("zwei.txt")}));

        QVERIFY(QFile::remove(lektion.filePath(QStringLiteral("eins.txt"))));
        TVerzeichnisse::ermitteln(programmPfad, true, shell, {});
        QCOMPARE(lektion.entryList(QDir::Files), QStringList({QStringLiteral("zwei.txt")}));
        QVERIFY(QFile::remove(lektion.filePath(QStringLiteral("zwei.txt"))));
        TVerzeichnisse::ermitteln(programmPfad, true, shell, {});
        QVERIFY(lektion.entryList(QDir::Files).isEmpty());

        // Single-user mode hands nothing out: the lessons lie beside the program already.
        const TVerzeichnisse einzel = TVerzeichnisse::ermitteln(programmPfad, false, shell, {});
        QCOMPARE(QDir(einzel.Lektion).entryList(QDir::Files),
                 QStringList({QStringLiteral("eins.txt"), QStringLiteral("zwei.txt")}));
    }

    void vorhandenerOrdnerBekommtNichtsDazu() {
        QTemporaryDir programm, heim;
        QVERIFY(QDir(programm.path()).mkdir(QStringLiteral("Lektion")));
        schreibeDatei(programm, QStringLiteral("Lektion/eins.txt"), "1;eins\r\n");
        const QString lektion = heim.filePath(QStringLiteral("daten/MORVANE/DRILLA/Lektion"));
        QVERIFY(QDir().mkpath(lektion));
        const TVerzeichnisse v = TVerzeichnisse::ermitteln(
            programm.path(), true, {heim.filePath(QStringLiteral("daten"))}, {});
        QCOMPARE(v.Lektion, lektion + QLatin1Char('/'));
        QVERIFY(QDir(lektion).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_TInstallation)
#include "tst_TInstallation.moc"
