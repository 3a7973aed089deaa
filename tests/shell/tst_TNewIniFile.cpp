#include "TTestDateien.h"
#include "lessons/TAnsiCodec.h"
#include "shell/TNewIniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kVorgabe = QStringLiteral("<vorgabe>");

// A directory whose write permission is taken away for the lifetime of the object.
class TSchreibschutz {
public:
    explicit TSchreibschutz(const QString& ordner) : m_ordner(ordner) {
        QFile::setPermissions(m_ordner, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~TSchreibschutz() {
        QFile::setPermissions(m_ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Privileged users write anyway; then the protection cannot be tested.
    bool wirksam() const {
        QFile probe(m_ordner + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_ordner;
};

} // namespace

class tst_TNewIniFile : public QObject {
    Q_OBJECT

private slots:
    void textLesen_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("erwartet");

        QTest::newRow("einfach") << QByteArray("[Setup]\r\nBenutzer=Max\r\n") << kSetup
                                 << "Benutzer"
                                 << "Max";
        QTest::newRow("Gross- und Kleinschreibung, Blanks")
            << QByteArray("  [ sEtUp ]  \r\n\t BENUTZER \t=   Max Muster \t\r\n") << kSetup
            << "benutzer"
            << "Max Muster";
        QTest::newRow("Umlaut im Schluessel ohne Fall")
            << QByteArray("[Setup]\nSOFORTPR\xdc"
                          "FEN=1\n")
            << kSetup << QStringLiteral("SofortPr\u00fcfen") << "1";
        QTest::newRow("Wert ab dem ersten Gleichheitszeichen")
            << QByteArray("[Setup]\r\nBenutzer = a=b = c\r\n") << kSetup << "Benutzer"
            << "a=b = c";
        QTest::newRow("leerer Wert ist keine Vorgabe")
            << QByteArray("[Setup]\r\nBenutzer=   \r\n") << kSetup << "Benutzer"
            << "";
        QTest::newRow("Zeile ohne Gleichheitszeichen")
            << QByteArray("[Setup]\r\nBenutzer\r\n") << kSetup << "Benutzer" << kVorgabe;
        QTest::newRow("Schluessel vor jedem Abschnitt")
            << QByteArray("Benutzer=Max\r\n[Setup]\r\n") << kSetup << "Benutzer" << kVorgabe;
        QTest::newRow("Schluessel in anderem Abschnitt")
            << QByteArray("[Setup]\r\n[Historie]\r\nBenutzer=Max\r\n") << kSetup << "Benutzer"
            << kVorgabe;
        QTest::newRow("Abschnitt fehlt")
            << QByteArray("[Historie]\r\n") << kSetup << "Benutzer" << kVorgabe;
        QTest::newRow("Klammer fehlt") << QByteArray("[Historie]\r\n[Setup\r\nBenutzer=Max\r\n")
                                       << kSetup << "Benutzer" << kVorgabe;
        QTest::newRow("Text hinter der Klammer")
            << QByteArray("[Setup] ; Kommentar\r\nBenutzer=Max\r\n") << kSetup << "Benutzer"
            << "Max";
        QTest::newRow("Kommentar ist ein anderer Schluessel")
            << QByteArray("[Setup]\r\n;Benutzer=Alt\r\nBenutzer=Max\r\n") << kSetup << "Benutzer"
            << "Max";
        QTest::newRow("doppelter Schluessel: der erste gilt")
            << QByteArray("[Setup]\r\nBenutzer=Max\r\nbenutzer=Moritz\r\n") << kSetup << "Benutzer"
            << "Max";
        QTest::newRow("doppelter Abschnitt zaehlt als einer")
            << QByteArray("[Setup]\r\nTon=1\r\n[Historie]\r\n[setup]\r\nBenutzer=Max\r\n") << kSetup
            << "Benutzer"
            << "Max";
        QTest::newRow("geschuetztes Leerzeichen bleibt")
            << QByteArray("[Setup]\r\nBenutzer=\xa0Max\xa0\r\n") << kSetup << "Benutzer"
            << QStringLiteral("\u00a0Max\u00a0");
        QTest::newRow("drei Blanks am Ende fallen weg")
            << QByteArray("[Historie]\r\nLetzte_Lektion#1=/home/max/Englisch.txt   \r\n")
            << "Historie"
            << "Letzte_Lektion#1"
            << "/home/max/Englisch.txt";
        QTest::newRow("genau 2047 Zeichen") << "[Setup]\r\nBenutzer=" + QByteArray(2047, 'x')
                                            << kSetup << "Benutzer" << QString(2047, u'x');
        QTest::newRow("laengerer Wert wird gekuerzt")
            << "[Setup]\r\nBenutzer=  " + QByteArray(3000, 'x') + "  " << kSetup << "Benutzer"
            << QString(2047, u'x');
        QTest::newRow("kein Blank am Ende nach dem Kuerzen")
            << "[Setup]\r\nBenutzer=" + QByteArray(2046, 'x') + " yz" << kSetup << "Benutzer"
            << QString(2046, u'x');
    }
    void textLesen() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, erwartet);
        QTemporaryDir ordner;
        const TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), inhalt));
        QCOMPARE(ini.textLesen(abschnitt, schluessel, kVorgabe), erwartet);
    }

    void zahlenUndBooleans_data() {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("istZahl");
        QTest::addColumn<int>("zahl");

        QTest::newRow("0") << "0" << true << 0;
        QTest::newRow("1") << "1" << true << 1;
        QTest::newRow("2") << "2" << true << 2;
        QTest::newRow("0x0") << "0x0" << true << 0;
        QTest::newRow("0X1f") << "0X1f" << true << 31;
        QTest::newRow("negativ") << "-5" << true << -5;
        QTest::newRow("Plus") << "+3" << true << 3;
        QTest::newRow("fuehrende Nullen") << "007" << true << 7;
        QTest::newRow("Blanks") << " \t12 " << true << 12;
        QTest::newRow("groesste") << "2147483647" << true << 2147483647;
        QTest::newRow("kleinste") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("0xFFFFFFFF") << "0xFFFFFFFF" << true << -1;
        QTest::newRow("yes") << "yes" << false << 0;
        QTest::newRow("leer") << "" << false << 0;
        QTest::newRow("Rest hinter der Zahl") << "12abc" << false << 0;
        QTest::newRow("Blank in der Zahl") << "1 2" << false << 0;
        QTest::newRow("Komma") << "1.5" << false << 0;
        QTest::newRow("nur 0x") << "0x" << false << 0;
        QTest::newRow("hex ohne 0x") << "1F" << false << 0;
        QTest::newRow("nur Vorzeichen") << "-" << false << 0;
        QTest::newRow("zu gross") << "2147483648" << false << 0;
        QTest::newRow("zu klein") << "-2147483649" << false << 0;
        QTest::newRow("hex zu gross") << "0x100000000" << false << 0;
        QTest::newRow("sehr lang") << QString(40, u'9') << false << 0;
        QTest::newRow("Ziffer einer anderen Schrift") << QStringLiteral("\u0661") << false << 0;
    }
    void zahlenUndBooleans() {
        QFETCH(QString, wert);
        QFETCH(bool, istZahl);
        QFETCH(int, zahl);
        QTemporaryDir ordner;
        const TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"),
                                            "[Setup]\r\nTon=" + TAnsiCodec::kodieren(wert)));
        QCOMPARE(ini.zahlLesen(kSetup, QStringLiteral("Ton"), 42), istZahl ? zahl : 42);
        QCOMPARE(ini.boolLesen(kSetup, QStringLiteral("Ton"), true), istZahl ? zahl != 0 : true);
        QCOMPARE(ini.boolLesen(kSetup, QStringLiteral("Ton"), false), istZahl ? zahl != 0 : false);
    }

    void fehlendeDateiGibtVorgabenUndWirdAngelegt() {
        QTemporaryDir ordner;
        TNewIniFile ini(ordner.filePath(QStringLiteral("drilla3.ini")));
        QCOMPARE(ini.textLesen(kSetup, QStringLiteral("Benutzer"), QStringLiteral("unbekannt")),
                 QStringLiteral("unbekannt"));
        QCOMPARE(ini.zahlLesen(kSetup, QStringLiteral("Ton"), -7), -7);
        QCOMPARE(ini.boolLesen(kSetup, QStringLiteral("Ton"), true), true);

        QVERIFY(ini.boolSchreiben(kSetup, QStringLiteral("Ton"), true));
        QVERIFY(ini.boolSchreiben(kSetup, QStringLiteral("Anrede"), false));
        QVERIFY(ini.zahlSchreiben(QStringLiteral("Form-Parameter"), QStringLiteral("ShowCmd"), -3));
        QCOMPARE(leseDatei(ini.pfad()), QByteArray("[Setup]\r\nTon=1\r\nAnrede=0\r\n"
                                                   "[Form-Parameter]\r\nShowCmd=-3\r\n"));
        // A second object on the same path sees every write at once.
        const TNewIniFile zweite(ini.pfad());
        QCOMPARE(zweite.boolLesen(kSetup, QStringLiteral("anrede"), true), false);
        QCOMPARE(zweite.zahlLesen(QStringLiteral("FORM-PARAMETER"), QStringLiteral("showcmd"), 0),
                 -3);
    }

    void schreiben_data() {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QByteArray>("nachher");
        QTest::addColumn<QString>("gelesen");

        QTest::newRow("ersetzt an Ort und Stelle, Schreibweise bleibt")
            << QByteArray("[setup]\r\n  TON =  1  \r\nAnrede=1\r\n") << kSetup << "Ton"
            << "0" << QByteArray("[setup]\r\n  TON =  0\r\nAnrede=1\r\n") << "0";
        QTest::newRow("neuer Schluessel ans Ende seines Abschnitts, vor Leerzeilen")
            << QByteArray("[Setup]\r\nTon=1\r\n\r\n \r\n[Historie]\r\nx=1\r\n") << kSetup
            << "Benutzer"
            << "Max"
            << QByteArray("[Setup]\r\nTon=1\r\nBenutzer=Max\r\n\r\n \r\n[Historie]\r\nx=1\r\n")
            << "Max";
        QTest::newRow("neuer Schluessel in leeren Abschnitt am Dateiende")
            << QByteArray("[Setup]") << kSetup << "Ton"
            << "1" << QByteArray("[Setup]\r\nTon=1\r\n") << "1";
        QTest::newRow("neuer Abschnitt am Dateiende")
            << QByteArray("; Kommentar\r\n[Setup]\r\nTon=1\r\n\r\n") << "Historie"
            << "Letzte_Lektion#1"
            << "kein Eintrag"
            << QByteArray("; Kommentar\r\n[Setup]\r\nTon=1\r\n\r\n[Historie]\r\n"
                          "Letzte_Lektion#1=kein Eintrag\r\n")
            << "kein Eintrag";
        QTest::newRow("nur der erste doppelte Schluessel")
            << QByteArray("[Setup]\r\nTon=1\r\nton=1\r\n") << kSetup << "Ton"
            << "0" << QByteArray("[Setup]\r\nTon=0\r\nton=1\r\n") << "0";
        QTest::newRow("Schluessel im zweiten gleichnamigen Abschnitt")
            << QByteArray("[Setup]\r\nTon=1\r\n[X]\r\n[SETUP]\r\nBenutzer=Max\r\n") << kSetup
            << "Benutzer"
            << "Moritz" << QByteArray("[Setup]\r\nTon=1\r\n[X]\r\n[SETUP]\r\nBenutzer=Moritz\r\n")
            << "Moritz";
        QTest::newRow("neuer Schluessel in den ersten gleichnamigen Abschnitt")
            << QByteArray("[Setup]\r\nTon=1\r\n[X]\r\n[SETUP]\r\nBenutzer=Max\r\n") << kSetup
            << "Anrede"
            << "0"
            << QByteArray("[Setup]\r\nTon=1\r\nAnrede=0\r\n[X]\r\n[SETUP]\r\nBenutzer=Max\r\n")
            << "0";
        QTest::newRow("Kommentar und Schluessel ausserhalb bleiben")
            << QByteArray("Ton=1\r\n[Setup]\r\n;Ton=1\r\nTon\r\n") << kSetup << "Ton"
            << "0" << QByteArray("Ton=1\r\n[Setup]\r\n;Ton=1\r\nTon\r\nTon=0\r\n") << "0";
        QTest::newRow("leerer Wert")
            << QByteArray("[Setup]\r\nBenutzer=Max\r\n") << kSetup << "Benutzer"
            << "" << QByteArray("[Setup]\r\nBenutzer=\r\n") << "";
    }
    void schreiben() {
        QFETCH(QByteArray, vorher);
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        QFETCH(QByteArray, nachher);
        QFETCH(QString, gelesen);
        QTemporaryDir ordner;
        TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), vorher));
        QVERIFY(ini.textSchreiben(abschnitt, schluessel, wert));
        QCOMPARE(leseDatei(ini.pfad()), nachher);
        QCOMPARE(ini.textLesen(abschnitt, schluessel, kVorgabe), gelesen);
    }

    void handgeschriebeneDateiBleibtByteGleich() {
        const QByteArray vorher = "; DRILLA-Einstellungen, von Hand bearbeitet\r\n"
                                  "\r\n"
                                  "   [ setup ]   ; Grundeinstellungen\r\n"
                                  "MenuSchrift = Comic Sans MS,clNavy,14,d,bi\r\n"
                                  "\tTON\t=\t0x0\r\n"
                                  "irgendwas ohne Gleichheitszeichen\r\n"
                                  "Benutzer = J\xfcrgen \x80\x85\x9f\r\n"
                                  "=ohne Namen\r\n"
                                  "  \t  \r\n"
                                  "[Historie]\r\n"
                                  "Letzte_Lektion#1=C:\\Lektionen\\Fran\xe7"
                                  "ais.txt   \r\n"
                                  "# Ende\r\n";
        const QByteArray nachher = "; DRILLA-Einstellungen, von Hand bearbeitet\r\n"
                                   "\r\n"
                                   "   [ setup ]   ; Grundeinstellungen\r\n"
                                   "MenuSchrift = Comic Sans MS,clNavy,14,d,bi\r\n"
                                   "\tTON\t=\t1\r\n"
                                   "irgendwas ohne Gleichheitszeichen\r\n"
                                   "Benutzer = J\xfcrgen \x80\x85\x9f\r\n"
                                   "=ohne Namen\r\n"
                                   "Anrede=0\r\n"
                                   "  \t  \r\n"
                                   "[Historie]\r\n"
                                   "Letzte_Lektion#1=C:\\Lektionen\\Fran\xe7"
                                   "ais.txt   \r\n"
                                   "# Ende\r\n"
                                   "Letzte_Lektion#2=kein Eintrag\r\n";
        QTemporaryDir ordner;
        TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), vorher));

        QCOMPARE(ini.boolLesen(kSetup, QStringLiteral("Ton"), true), false);
        QCOMPARE(ini.textLesen(QStringLiteral("SETUP"), QStringLiteral("menuschrift"), {}),
                 QStringLiteral("Comic Sans MS,clNavy,14,d,bi"));
        QCOMPARE(ini.textLesen(kSetup, QStringLiteral("Benutzer"), {}),
                 QStringLiteral("J\u00fcrgen \u20ac\u2026\u0178"));
        QCOMPARE(ini.textLesen(QStringLiteral("historie"), QStringLiteral("LETZTE_LEKTION#1"), {}),
                 QStringLiteral("C:\\Lektionen\\Fran\u00e7ais.txt"));

        QVERIFY(ini.boolSchreiben(kSetup, QStringLiteral("Ton"), true));
        QVERIFY(ini.zahlSchreiben(kSetup, QStringLiteral("Anrede"), 0));
        QVERIFY(ini.textSchreiben(QStringLiteral("Historie"), QStringLiteral("Letzte_Lektion#2"),
                                  QStringLiteral("kein Eintrag")));
        QCOMPARE(leseDatei(ini.pfad()), nachher);
    }

    void umlauteUndSteuerbytesUeberlebenDenRundgang() {
        QByteArray bytes = "\xe4\xf6\xfc\xdf\xc4\xd6\xdc";
        for (int b = 0x80; b <= 0x9F; ++b)
            bytes.append(static_cast<char>(b));
        const QString wert = TAnsiCodec::dekodieren(bytes);
        QTemporaryDir ordner;
        TNewIniFile ini(ordner.filePath(QStringLiteral("drilla3.ini")));
        QVERIFY(ini.textSchreiben(kSetup, QStringLiteral("SofortPr\u00fcfen"), wert));
        QCOMPARE(leseDatei(ini.pfad()), "[Setup]\r\nSofortPr\xfc"
                                        "fen=" +
                                            bytes + "\r\n");
        QCOMPARE(ini.textLesen(kSetup, QStringLiteral("SOFORTPR\u00dcFEN"), {}), wert);
    }

    void ungueltigesWirdNichtGeschrieben_data() {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::newRow("Zeichen ausserhalb der Codepage")
            << kSetup << "Benutzer" << QStringLiteral("\u0141ukasz");
        QTest::newRow("Zeilenumbruch im Wert") << kSetup << "Benutzer"
                                               << "Max\r\n[Setup]";
        QTest::newRow("Blanks am Ende lesen sich anders") << "Historie"
                                                          << "Letzte_Lektion#1"
                                                          << "/home/max/Englisch.txt   ";
        QTest::newRow("Blank vorn verdoppelte sich") << kSetup << "Benutzer"
                                                     << " Max";
        QTest::newRow("2048 Zeichen") << kSetup << "Benutzer" << QString(2048, u'x');
        QTest::newRow("NUL im Wert") << kSetup << "Benutzer" << QStringLiteral("a\0b");
        QTest::newRow("Gleichheitszeichen im Schluessel") << kSetup << "a=b"
                                                          << "1";
        QTest::newRow("Schluessel wie ein Abschnitt") << kSetup << "[Setup]"
                                                      << "1";
        QTest::newRow("leerer Schluessel") << kSetup << " "
                                           << "1";
        QTest::newRow("Klammer im Abschnitt") << "Set]up"
                                              << "Ton"
                                              << "1";
        QTest::newRow("leerer Abschnitt") << ""
                                          << "Ton"
                                          << "1";
    }
    void ungueltigesWirdNichtGeschrieben() {
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        const QByteArray alt = "[Setup]\r\nBenutzer=Max\r\n";
        QTemporaryDir ordner;
        TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), alt));
        QVERIFY(!ini.textSchreiben(abschnitt, schluessel, wert));
        QCOMPARE(leseDatei(ini.pfad()), alt);
    }

    void unlesbareDateiWirdNichtErsetzt() {
        const QByteArray alt = "[Setup]\r\nTon=1\r\n";
        QTemporaryDir ordner;
        TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), alt));
        QFile::setPermissions(ini.pfad(), QFile::WriteOwner);
        QFile probe(ini.pfad());
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("running with rights that ignore file permissions");

        QVERIFY(!ini.boolSchreiben(kSetup, QStringLiteral("Anrede"), true));
        QFile::setPermissions(ini.pfad(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(leseDatei(ini.pfad()), alt);
    }

    void schreibgeschuetzterOrdner() {
        const QByteArray alt = "[Setup]\r\nTon=1\r\n";
        QTemporaryDir ordner;
        TNewIniFile ini(schreibeDatei(ordner, QStringLiteral("drilla3.ini"), alt));
        TNewIniFile neu(ordner.filePath(QStringLiteral("tasten.txt")));
        const TSchreibschutz schutz(ordner.path());
        if (!schutz.wirksam())
            QSKIP("running with rights that ignore directory permissions");

        QVERIFY(!ini.boolSchreiben(kSetup, QStringLiteral("Ton"), false));
        QVERIFY(!ini.boolSchreiben(kSetup, QStringLiteral("Anrede"), true));
        QCOMPARE(leseDatei(ini.pfad()), alt);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("drilla3.ini")});
        QVERIFY(
            !neu.textSchreiben(QStringLiteral("Tasten"), QStringLiteral("1"), QStringLiteral("x")));
        QVERIFY(!QFile::exists(neu.pfad()));
        // Reading still works and still sees the old value.
        QCOMPARE(ini.boolLesen(kSetup, QStringLiteral("Ton"), false), true);
    }
};

QTEST_GUILESS_MAIN(tst_TNewIniFile)
#include "tst_TNewIniFile.moc"
