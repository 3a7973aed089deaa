#include "TEinhaengung.h"
#include "TTestDateien.h"
#include "shell/TNewIniFile.h"
#include "shell/TTippsDatei.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

const QString kTips = QStringLiteral("TIPS");

QByteArray dreiTipps(const QByteArray& tipsZeilen) {
    return "[TIPS]\r\n" + tipsZeilen + "\r\n[TIP TEXT]\r\nTip1=Eins\r\nTip2=Zwei\r\nTip3=Drei\r\n";
}

// The save goes through a temporary file named after the tips file plus a suffix; beside a
// name of the longest length the system allows, that name cannot exist, so writes fail even
// for a privileged user, while the file itself reads normally.
QString schreibgeschuetzteDatei(const QTemporaryDir& ordner, const QByteArray& inhalt) {
    return schreibeDatei(ordner, QString(251, u'x') + QStringLiteral(".tip"), inhalt);
}

} // namespace

class tst_TTippsDatei : public QObject {
    Q_OBJECT

private slots:
    // Only where the program directory cannot be written does a user get a copy of their own.
    void ortDerTippsDatei() {
        QTemporaryDir ordner;
        const QString programm = ordner.filePath(QStringLiteral("programm/"));
        const QString daten = ordner.filePath(QStringLiteral("daten/"));
        QVERIFY(QDir().mkpath(programm) && QDir().mkpath(daten));
        QCOMPARE(TTippsDatei::ermitteln(programm, daten, true), QString());
        const QByteArray inhalt = dreiTipps("ShowOnStartup=1\r\nNextTip=2");
        schreibeDatei(ordner, "programm/drilla3.tip", inhalt);
        QCOMPARE(TTippsDatei::ermitteln(programm, daten, false), programm + "drilla3.tip");
        QCOMPARE(TTippsDatei::ermitteln(programm, daten, true), programm + "drilla3.tip");
        QVERIFY(!QFileInfo::exists(daten + "drilla3.tip"));

        if (geteuid() != 0)
            QSKIP("Only root can mount the read-only program directory this case needs.");
        const QString nurLesen = ordner.filePath(QStringLiteral("installiert/"));
        const TEinhaengung bind(nurLesen, {QStringLiteral("--bind"), QStringLiteral("-o"),
                                           QStringLiteral("ro"), programm});
        if (!bind.ok())
            QSKIP("a read-only bind mount failed (no mount rights in this container?)");
        QCOMPARE(TTippsDatei::ermitteln(nurLesen, daten, false), nurLesen + "drilla3.tip");
        const QString eigene = daten + "drilla3.tip";
        QCOMPARE(TTippsDatei::ermitteln(nurLesen, daten, true), eigene);
        QCOMPARE(leseDatei(eigene), inhalt);
        // The user's place in the tips is kept from then on, and never copied over again.
        TTippsDatei datei(eigene);
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Zwei"));
        QCOMPARE(TTippsDatei::ermitteln(nurLesen, daten, true), eigene);
        QCOMPARE(TTippsDatei(eigene).NaechsterTipp(), QStringLiteral("Drei"));
        QCOMPARE(leseDatei(nurLesen + "drilla3.tip"), inhalt);
    }

    void reihenfolgeUndUmlauf() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip", dreiTipps("NextTip=3"));
        TTippsDatei datei(pfad);
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Drei"));
        bool geschrieben = false;
        QCOMPARE(datei.NaechsterTipp(&geschrieben), QStringLiteral("Eins"));
        QVERIFY(geschrieben);
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "NextTip", {}), QStringLiteral("2"));
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Zwei"));
        // Another object on the same file continues where the first left off.
        QCOMPARE(TTippsDatei(pfad).NaechsterTipp(), QStringLiteral("Drei"));
    }

    void ohneGueltigeNummerKommtTippEins_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::newRow("fehlt") << QByteArray("ShowOnStartup=1");
        QTest::newRow("null") << QByteArray("NextTip=0");
        QTest::newRow("negativ") << QByteArray("NextTip=-4");
        QTest::newRow("hinter dem letzten") << QByteArray("NextTip=4");
        QTest::newRow("keine Zahl") << QByteArray("NextTip=drei");
    }
    void ohneGueltigeNummerKommtTippEins() {
        QFETCH(QByteArray, zeile);
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip", dreiTipps(zeile));
        QCOMPARE(TTippsDatei(pfad).NaechsterTipp(), QStringLiteral("Eins"));
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "NextTip", {}), QStringLiteral("2"));
    }

    void leererTippZaehltAlsFehlend() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(
            ordner, "drilla3.tip",
            "[TIPS]\r\nNextTip=2\r\n[TIP TEXT]\r\nTip1=Eins\r\nTip2=   \r\nTip3=Drei\r\n");
        TTippsDatei datei(pfad);
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Eins"));
        // A gap makes every later tip unreachable.
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Eins"));
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Eins"));
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "NextTip", {}), QStringLiteral("2"));
    }

    void groessteNummerLaeuftNichtUeber() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip",
                                           "[TIPS]\r\nNextTip=2147483647\r\n[TIP TEXT]\r\n"
                                           "Tip1=Eins\r\nTip2147483647=Letzter\r\n");
        TTippsDatei datei(pfad);
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Letzter"));
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Eins"));
    }

    void zweiVorgabenFuerShowOnStartup_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("beimStart");
        QTest::addColumn<bool>("kaestchen");
        QTest::newRow("fehlt") << QByteArray("NextTip=1") << false << true;
        QTest::newRow("keine Zahl") << QByteArray("ShowOnStartup=ja") << false << true;
        QTest::newRow("0") << QByteArray("ShowOnStartup=0") << false << false;
        QTest::newRow("1") << QByteArray("ShowOnStartup=1") << true << true;
        QTest::newRow("andere Zahl") << QByteArray("ShowOnStartup=7") << true << true;
    }
    void zweiVorgabenFuerShowOnStartup() {
        QFETCH(QByteArray, zeile);
        QFETCH(bool, beimStart);
        QFETCH(bool, kaestchen);
        QTemporaryDir ordner;
        const TTippsDatei datei(schreibeDatei(ordner, "drilla3.tip", dreiTipps(zeile)));
        QCOMPARE(datei.ZeigenBeimStart(), beimStart);
        QCOMPARE(datei.Kontrollkaestchen(), kaestchen);
    }

    void kaestchenSchreibtSofort() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip", dreiTipps("NextTip=1"));
        TTippsDatei datei(pfad);
        QVERIFY(datei.SetzeZeigenBeimStart(false));
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "ShowOnStartup", {}), QStringLiteral("0"));
        QVERIFY(!datei.ZeigenBeimStart());
        QVERIFY(datei.SetzeZeigenBeimStart(true));
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "ShowOnStartup", {}), QStringLiteral("1"));
        QVERIFY(datei.ZeigenBeimStart());
        // The tips themselves are left as they were.
        QCOMPARE(datei.NaechsterTipp(), QStringLiteral("Eins"));
    }

    void ohneTippsDatei() {
        TTippsDatei datei(QString{});
        QVERIFY(!datei.vorhanden());
        QVERIFY(!datei.ZeigenBeimStart());
        QVERIFY(!datei.Kontrollkaestchen());
        bool geschrieben = false;
        QCOMPARE(datei.NaechsterTipp(&geschrieben), QString());
        QVERIFY(geschrieben);
        QVERIFY(datei.SetzeZeigenBeimStart(true));
        QVERIFY(!datei.ZeigenBeimStart());
    }

    void schreibgeschuetzt() {
        QTemporaryDir ordner;
        const QByteArray inhalt = dreiTipps("ShowOnStartup=1\r\nNextTip=2");
        const QString pfad = schreibgeschuetzteDatei(ordner, inhalt);
        QVERIFY(!pfad.isEmpty());
        if (TNewIniFile(pfad).zahlSchreiben(kTips, "Probe", 1))
            QSKIP("This file system writes beside a file name of the longest length.");
        TTippsDatei datei(pfad);
        QVERIFY(datei.ZeigenBeimStart());
        bool geschrieben = true;
        QCOMPARE(datei.NaechsterTipp(&geschrieben), QStringLiteral("Zwei"));
        QVERIFY(!geschrieben);
        // Nothing is remembered: the same tip comes again.
        QCOMPARE(datei.NaechsterTipp(&geschrieben), QStringLiteral("Zwei"));
        QVERIFY(!datei.SetzeZeigenBeimStart(false));
        QCOMPARE(leseDatei(pfad), inhalt);
    }

    void mitgelieferteTippsLueckenlos() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("drilla3.tip"));
        QVERIFY(QFile::copy(QStringLiteral(DRILLA_MITGELIEFERT "/drilla3.tip"), pfad));
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        TTippsDatei datei(pfad);
        QVERIFY(datei.ZeigenBeimStart());
        const QString erster = datei.NaechsterTipp();
        QStringList gesehen{erster};
        for (QString tipp = datei.NaechsterTipp(); tipp != erster; tipp = datei.NaechsterTipp()) {
            QVERIFY2(!gesehen.contains(tipp), qPrintable(tipp));
            gesehen.append(tipp);
            QVERIFY(gesehen.size() <= 37);
        }
        QCOMPARE(gesehen.size(), 37);
        for (const QString& tipp : gesehen) {
            QVERIFY(!tipp.isEmpty());
            // Survived the Windows-1252 reading: no replacement characters.
            QVERIFY2(!tipp.contains(QChar::ReplacementCharacter), qPrintable(tipp));
        }
    }
};

QTEST_GUILESS_MAIN(tst_TTippsDatei)
#include "tst_TTippsDatei.moc"
