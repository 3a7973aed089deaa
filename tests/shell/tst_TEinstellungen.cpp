#include "TTestDateien.h"
#include "lessons/TStrHolder.h"
#include "shell/TEinstellungen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_TEinstellungen : public QObject {
    Q_OBJECT

private slots:
    void ohneDateiGeltenDieVorgaben() {
        QTemporaryDir ordner;
        const auto e = TEinstellungen::laden(ordner.filePath(QStringLiteral("drilla3.ini")),
                                             QStringLiteral("/daten/"));
        QVERIFY(e.Optionen.Ton);
        QVERIFY(e.Optionen.PopupHilfe);
        QVERIFY(!e.Optionen.FelderDrehen);
        QVERIFY(!e.Optionen.SofortPruefen);
        QVERIFY(!e.Optionen.AnredeDu);
        QVERIFY(e.Optionen.OhneFarbeDrucken);
        QVERIFY(!e.Optionen.Lesemodus);
        QCOMPARE(e.LetzteLektion, QStringLiteral("kein Eintrag"));
        QCOMPARE(e.Benutzer, QStringLiteral("unbekannt"));
        QCOMPARE(e.LektionsVerzeichnis, QStringLiteral("/daten/"));
        QCOMPARE(e.Historie, QStringList(5, QStringLiteral("kein Eintrag")));
        QCOMPARE(e.MenuSchrift.Groesse, 12);
        QCOMPARE(e.FeldSchrift.Groesse, 14);
        QCOMPARE(e.FeldSchrift.Name, QStringLiteral("Arial"));
    }

    void vonHandGeschriebeneDatei() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(
            ordner, QStringLiteral("drilla3.ini"),
            "; von Hand\r\n[setup]\r\n  TON = 0x0 \r\npopuphilfe=2\r\nANREDE=yes\r\n"
            "Felder_Drehen=1\r\nSofortpr\xfc"
            "fen = 1\r\nLesemodus=0\r\nOhneFarbeDrucken=0\r\n"
            "Benutzer =  Lena M\xfcller  \r\nLetzte_Lektion=/l/a.txt\r\n"
            "Netzwerk_Lektions_Pfad=/srv/lektionen\r\n"
            "AZSchrift=Comic Sans MS,clNavy,16,d,b\r\nMenuSchrift=Arial,clBlack,12,d\r\n"
            "[HISTORIE]\r\nletzte_lektion#1=/l/a.txt   \r\nLetzte_Lektion#3=\r\n");
        const auto e = TEinstellungen::laden(pfad, QStringLiteral("/daten/"));
        QVERIFY(!e.Optionen.Ton);
        QVERIFY(e.Optionen.PopupHilfe);
        QVERIFY(!e.Optionen.AnredeDu); // "yes" is no number: the default
        QVERIFY(e.Optionen.FelderDrehen);
        QVERIFY(e.Optionen.SofortPruefen);
        QVERIFY(!e.Optionen.OhneFarbeDrucken);
        QCOMPARE(e.Benutzer, QStringLiteral("Lena Müller"));
        QCOMPARE(e.LektionsVerzeichnis, QStringLiteral("/srv/lektionen/"));
        QCOMPARE(e.FeldSchrift.Name, QStringLiteral("Comic Sans MS"));
        QCOMPARE(e.FeldSchrift.Farbe, 0x00800000u);
        QVERIFY(e.FeldSchrift.Fett);
        QCOMPARE(e.MenuSchrift, TEinstellungen::menuSchriftVorgabe()); // three commas only
        QCOMPARE(e.Historie,
                 QStringList({QStringLiteral("/l/a.txt"), QStringLiteral("kein Eintrag"), QString(),
                              QStringLiteral("kein Eintrag"), QStringLiteral("kein Eintrag")}));
    }

    void speichernInFesterReihenfolge() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, QStringLiteral("drilla3.ini"),
                                           "; Kommentar bleibt\r\n[Setup]\r\nTon=1\r\n"
                                           "MenuSchrift=Arial,clRed,12,d,\r\n");
        TOptionen o;
        o.Ton = false;
        o.AnredeDu = true;
        QVERIFY(TEinstellungen::speichern(
            pfad, o, QStringLiteral("/l/\u0141\u00f3d\u017a.txt"), QString(),
            {QStringLiteral("/l/a.txt   "), QStringLiteral("Kein Eintrag"),
             QStringLiteral("kein Eintrag   "), QStringLiteral("x"), QStringLiteral("y")}));
        QCOMPARE(leseDatei(pfad),
                 QByteArray("; Kommentar bleibt\r\n[Setup]\r\nTon=0\r\n"
                            "MenuSchrift=Arial,clRed,12,d,\r\npopupHilfe=1\r\nSofortPr\xfc"
                            "fen=0\r\nAnrede=1\r\nFelder_drehen=0\r\nLesemodus=0\r\n"
                            "OhneFarbeDrucken=1\r\nLetzte_Lektion=/l/?\xf3"
                            "d?.txt\r\nBenutzer=\r\n"
                            "[Historie]\r\nLetzte_Lektion#1=/l/a.txt\r\n"
                            "Letzte_Lektion#2=Kein Eintrag\r\nLetzte_Lektion#3=kein Eintrag\r\n"
                            "Letzte_Lektion#4=x\r\nLetzte_Lektion#5=y\r\n"));
        // The captions' trailing blanks are not kept: they would not come back.
        const auto e = TEinstellungen::laden(pfad, QString());
        QCOMPARE(e.Historie.at(0), QStringLiteral("/l/a.txt"));
        QCOMPARE(e.Benutzer, QString());
        QVERIFY(e.Optionen.AnredeDu);
    }

    void beschaedigteEinstellungenWerdenGesichert() {
        QTemporaryDir ordner;
        const char roh[] = "[Setup]\r\nBenutzer=Max\r\n\0\0[Historie]\r\nx=1\r\n";
        const QByteArray kaputt(roh, sizeof roh - 1);
        const QString pfad = schreibeDatei(ordner, QStringLiteral("drilla3.ini"), kaputt);
        TStrHolder::neueSicherungen();
        const auto e = TEinstellungen::laden(pfad, QString());
        QCOMPARE(e.Benutzer, QStringLiteral("Max"));
        QVERIFY(TEinstellungen::speichern(pfad, e.Optionen, e.LetzteLektion, e.Benutzer, {}));
        QCOMPARE(leseDatei(pfad + QStringLiteral(".original")), kaputt);
        QVERIFY(!leseDatei(pfad).contains('\0'));
        QCOMPARE(TStrHolder::neueSicherungen().size(), 1);
    }

    // Whatever the program hands over, the save lands and reads back.
    void programmwerteSindImmerSpeicherbar() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("drilla3.ini"));
        const QString lang = QStringLiteral("/") + QString(3000, u'p');
        QVERIFY(TEinstellungen::speichern(
            pfad, TOptionen(), QStringLiteral("/l/\u0416\u0443\u043a.txt   "),
            QStringLiteral("  Max\r\nMuster "),
            {lang, QStringLiteral(" \u20ac "), QStringLiteral("a\tb"), QString(), QString()}));
        const auto e = TEinstellungen::laden(pfad, QString());
        QCOMPARE(e.LetzteLektion, QStringLiteral("/l/???.txt"));
        QCOMPARE(e.Benutzer, QStringLiteral("Max??Muster"));
        QCOMPARE(e.Historie.at(0), lang.left(2047));
        QCOMPARE(e.Historie.at(1), QStringLiteral("\u20ac"));
        QCOMPARE(e.Historie.at(2), QStringLiteral("a\tb"));
    }

    void schreibfehlerWirdGemeldet() {
        QTemporaryDir ordner;
        // A directory where the file should be: no write can replace it, even as root.
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("drilla3.ini")));
        QVERIFY(!TEinstellungen::speichern(ordner.filePath(QStringLiteral("drilla3.ini")),
                                           TOptionen(), QString(), QString(), {}));
    }
};

QTEST_GUILESS_MAIN(tst_TEinstellungen)
#include "tst_TEinstellungen.moc"
