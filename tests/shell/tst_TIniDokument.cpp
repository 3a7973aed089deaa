#include "TTestDateien.h"
#include "shell/TIniDokument.h"
#include "shell/TNewIniFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSetup = QStringLiteral("Setup");

struct TSetzen {
    QString abschnitt;
    QString schluessel;
    QString wert;
};

// A file with every shape the index must get right: text before the first section, a section
// that comes twice, blank lines at a section's end, comments, keys without "=".
const QByteArray kVerwickelt = "Ton=9\r\n"
                               "[ setup ] ; Kopf\r\n"
                               "\tTON =  1\r\n"
                               "kein Schluessel\r\n"
                               "\r\n"
                               "[Historie]\r\n"
                               "Letzte_Lektion#1=a\r\n"
                               "  \r\n"
                               "[SETUP]\r\n"
                               "Benutzer=Max\r\n"
                               "ton=2\r\n"
                               "[Leer]\r\n";

} // namespace

class tst_TIniDokument : public QObject {
    Q_OBJECT

private slots:
    // Many changes held in memory and written once give the same bytes as the same changes
    // written one call at a time, including keys inserted into the middle of the file.
    void vieleAenderungenWieEinzelneSchreibvorgaenge() {
        const QList<TSetzen> aenderungen = {
            {kSetup, QStringLiteral("Ton"), QStringLiteral("0")},
            {kSetup, QStringLiteral("Anrede"), QStringLiteral("1")},
            {QStringLiteral("historie"), QStringLiteral("Letzte_Lektion#2"), QStringLiteral("b")},
            {kSetup, QStringLiteral("Benutzer"), QStringLiteral("Moritz")},
            {kSetup, QStringLiteral("Lesemodus"), QStringLiteral("0")},
            {QStringLiteral("Neu"), QStringLiteral("Eins"), QStringLiteral("1")},
            {QStringLiteral("Historie"), QStringLiteral("Letzte_Lektion#3"), QStringLiteral("c")},
            {QStringLiteral("neu"), QStringLiteral("Zwei"), QStringLiteral("2")},
            {QStringLiteral("leer"), QStringLiteral("X"), QString()},
            {kSetup, QStringLiteral("ANREDE"), QStringLiteral("0")},
        };
        QTemporaryDir ordner;
        const QString einzeln = schreibeDatei(ordner, QStringLiteral("einzeln.ini"), kVerwickelt);
        const QString einmal = schreibeDatei(ordner, QStringLiteral("einmal.ini"), kVerwickelt);
        TNewIniFile ini(einzeln);
        TIniDokument dokument(einmal);
        for (const TSetzen& a : aenderungen) {
            QVERIFY(ini.textSchreiben(a.abschnitt, a.schluessel, a.wert));
            QVERIFY(dokument.textSetzen(a.abschnitt, a.schluessel, a.wert));
        }
        QCOMPARE(leseDatei(einmal), kVerwickelt); // nothing written before speichern()
        QVERIFY(dokument.speichern());
        QCOMPARE(leseDatei(einmal), leseDatei(einzeln));
        QCOMPARE(leseDatei(einmal), QByteArray("Ton=9\r\n"
                                               "[ setup ] ; Kopf\r\n"
                                               "\tTON =  0\r\n"
                                               "kein Schluessel\r\n"
                                               "Anrede=0\r\n"
                                               "Lesemodus=0\r\n"
                                               "\r\n"
                                               "[Historie]\r\n"
                                               "Letzte_Lektion#1=a\r\n"
                                               "Letzte_Lektion#2=b\r\n"
                                               "Letzte_Lektion#3=c\r\n"
                                               "  \r\n"
                                               "[SETUP]\r\n"
                                               "Benutzer=Moritz\r\n"
                                               "ton=2\r\n"
                                               "[Leer]\r\n"
                                               "X=\r\n"
                                               "[Neu]\r\n"
                                               "Eins=1\r\n"
                                               "Zwei=2\r\n"));
        // The document answers from its own changes, as the file would.
        QCOMPARE(dokument.textLesen(QStringLiteral("NEU"), QStringLiteral("zwei"), {}),
                 QStringLiteral("2"));
        QCOMPARE(dokument.zahlLesen(kSetup, QStringLiteral("anrede"), 7), 0);
        QCOMPARE(TIniDokument(einmal).textLesen(kSetup, QStringLiteral("Benutzer"), {}),
                 QStringLiteral("Moritz"));
    }

    void abstandVorDemWertBleibtUndWaechstNicht() {
        QTemporaryDir ordner;
        const QString pfad =
            schreibeDatei(ordner, QStringLiteral("a.ini"), "[Setup]\r\nBenutzer =  \t Max\r\n");
        for (int runde = 0; runde < 3; ++runde) {
            TIniDokument dokument(pfad);
            const QString alt = dokument.textLesen(kSetup, QStringLiteral("Benutzer"), {});
            QVERIFY(dokument.textSetzen(kSetup, QStringLiteral("Benutzer"), alt));
            QVERIFY(dokument.speichern());
        }
        QCOMPARE(leseDatei(pfad), QByteArray("[Setup]\r\nBenutzer =  \t Max\r\n"));
    }

    void speicherbarMachen_data() {
        QTest::addColumn<QString>("roh");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("nur Blanks") << " \t "
                                    << "";
        QTest::newRow("ueberlang, Blank an der Schnittstelle")
            << QString(2046, u'x') + QStringLiteral(" yz") << QString(2046, u'x');
        QTest::newRow("Blanks vorn zaehlen nicht zur Laenge")
            << QStringLiteral("  ") + QString(2047, u'x') << QString(2047, u'x');
    }
    void speicherbarMachen() {
        QFETCH(QString, roh);
        QFETCH(QString, gespeichert);
        const QString ergebnis = TNewIniFile::speicherbarMachen(roh);
        QCOMPARE(ergebnis, gespeichert);
        QVERIFY(TNewIniFile::wertSpeicherbar(ergebnis));
    }
};

QTEST_GUILESS_MAIN(tst_TIniDokument)
#include "tst_TIniDokument.moc"
