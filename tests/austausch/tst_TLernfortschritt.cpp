#include "austausch/TAuswertungsLeser.h"
#include "austausch/TLernfortschritt.h"
#include "lessons/TAuswertung.h"

#include <QtTest>

namespace {
const QLocale kDe(QLocale::German, QLocale::Germany);

QStringList abschluss(const QString& benutzer, const QDateTime& zeit, const QString& lektion,
                      int fehler) {
    return TAuswertung::abschlussEintrag(benutzer, TAuswertung::datumText(zeit, kDe), lektion,
                                         fehler);
}
QDateTime tag(int t, int stunde = 10) {
    return QDateTime(QDate(2026, 3, t), QTime(stunde, 5, 7), Qt::UTC);
}
} // namespace

class tst_TLernfortschritt : public QObject {
    Q_OBJECT
private slots:
    // Records as the program writes them, reopen records among them, give their runs back.
    void liestGeschriebeneEintraege() {
        QStringList log = abschluss("Anna", tag(1), "/l/englisch.txt", 3);
        log << TAuswertung::neuGeladenEintrag("Anna", TAuswertung::datumText(tag(2), kDe),
                                              "/l/englisch.txt");
        log << abschluss("Ben", QDateTime(QDate(2026, 3, 4), QTime(0, 0)), "C:\\l\\mathe.txt", 0);
        const TAuswertungsInhalt i = TAuswertungsLeser::lesen(log, kDe);
        QCOMPARE(i.laeufe.size(), 2);
        QCOMPARE(i.neuGeladen, 1);
        QCOMPARE(i.uebersprungen, 0);
        QCOMPARE(i.laeufe.at(0).benutzer, QStringLiteral("Anna"));
        QCOMPARE(i.laeufe.at(0).zeitpunkt, tag(1));
        QCOMPARE(i.laeufe.at(0).fehler, 3);
        // Exactly midnight is written without the time.
        QCOMPARE(i.laeufe.at(1).zeitpunkt, QDateTime(QDate(2026, 3, 4), QTime(0, 0), Qt::UTC));
        QCOMPARE(i.laeufe.at(1).lektion, QStringLiteral("C:\\l\\mathe.txt"));
    }

    // Damaged records and foreign lines are counted; the reader finds the next intact record.
    void ueberspringtBeschaedigtes() {
        QStringList log;
        log << "Notiz von Hand"
            << "";
        QStringList kaputt = abschluss("A", tag(1), "x.txt", 2);
        kaputt[4] = "Ergebnis         : zwei Fehler";
        log << kaputt;
        QStringList ohneDatum = abschluss("A", tag(2), "x.txt", 2);
        ohneDatum[2] = "Datum            : gestern";
        log << ohneDatum;
        log << abschluss("A", tag(3), "x.txt", 1);
        log << abschluss("A", tag(4), "x.txt", 1).mid(0, 3); // cut off at the end
        const TAuswertungsInhalt i = TAuswertungsLeser::lesen(log, kDe);
        QCOMPARE(i.laeufe.size(), 1);
        QCOMPARE(i.laeufe.first().zeitpunkt, tag(3));
        QCOMPARE(i.uebersprungen, 2 + 5 + 5 + 3);
        // Binary rubbish and huge numbers never crash.
        QStringList muell = {QString(19, ' '), "Benutzer         : \x01",
                             "Ergebnis         : 99999999999999999999999 Fehler"};
        QCOMPARE(TAuswertungsLeser::lesen(muell, kDe).uebersprungen, 3);
    }

    // Dates of other locales and of older versions with two-digit years.
    void datumsformate() {
        QCOMPARE(TAuswertungsLeser::datumLesen("10.12.26 08:15:30", kDe),
                 QDateTime(QDate(2026, 12, 10), QTime(8, 15, 30), Qt::UTC));
        QCOMPARE(TAuswertungsLeser::datumLesen("10.12.2026", kDe),
                 QDateTime(QDate(2026, 12, 10), QTime(0, 0), Qt::UTC));
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(TAuswertungsLeser::datumLesen("12/10/26 8:15:30 AM", us),
                 QDateTime(QDate(2026, 12, 10), QTime(8, 15, 30), Qt::UTC));
        QVERIFY(!TAuswertungsLeser::datumLesen("", kDe).isValid());
        QVERIFY(!TAuswertungsLeser::datumLesen("31.02.2026", kDe).isValid());
        QVERIFY(!TAuswertungsLeser::datumLesen("10.12.2026 25:61:00", kDe).isValid());
        // The same day again comes from the reader's memory, its time still read anew.
        QCOMPARE(TAuswertungsLeser::datumLesen("10.12.26 9:05", kDe),
                 QDateTime(QDate(2026, 12, 10), QTime(9, 5), Qt::UTC));
        // The chart places a wall-clock time at its local instant, in summer and in winter.
        QHash<qint64, qint64> versatz;
        for (const QDate tag : {QDate(2026, 7, 1), QDate(2026, 12, 1)}) {
            const QDateTime wand(tag, QTime(8, 30), Qt::UTC);
            QCOMPARE(TAuswertungsLeser::ortszeitMs(wand, versatz),
                     QDateTime(tag, QTime(8, 30), Qt::LocalTime).toMSecsSinceEpoch());
        }
    }

    // The chart's data: rates on the lesson's current size, in time order, filters, table.
    void diagrammDaten() {
        QList<TLernLauf> l = {{"Anna", tag(5), "/l/a.txt", 2},
                              {"Anna", tag(1), "/l/a.txt", 5},
                              {"Ben", tag(2), "/l/a.txt", 0},
                              {"Anna", tag(3), "/l/weg.txt", 4},
                              {"Anna", tag(4), "/l/a.txt", 1}};
        auto zahl = [](const QString& p) -> qsizetype { return p == "/l/a.txt" ? 10 : -1; };
        const QList<TLektionsVerlauf> alle = TLernfortschritt::berechnen(l, {}, {}, zahl);
        QCOMPARE(alle.size(), 2);
        const TLektionsVerlauf& a = alle.at(0);
        QCOMPARE(a.anzeigeName, QStringLiteral("a.txt"));
        QCOMPARE(a.laeufe, 4);
        QCOMPARE(a.punkte.size(), 4);
        QCOMPARE(a.punkte.first().quote, 50); // tag 1, 5 errors of 10
        QCOMPARE(a.punkte.last().quote, 80);  // tag 5
        QCOMPARE(a.letzteQuote, 80);
        QCOMPARE(a.besteQuote, 100);
        QCOMPARE(a.trend, 1);
        // A lesson whose file is gone keeps its runs and errors, but no rate.
        const TLektionsVerlauf& weg = alle.at(1);
        QCOMPARE(weg.aufgaben, -1);
        QVERIFY(weg.punkte.isEmpty());
        QCOMPARE(TLernfortschritt::ergebnisText(weg.letzteFehler, weg.letzteQuote),
                 QStringLiteral("4 Fehler"));
        QCOMPARE(TLernfortschritt::ergebnisText(2, 80), QStringLiteral("80 % (2 Fehler)"));

        const QList<TLektionsVerlauf> ben = TLernfortschritt::berechnen(l, "Ben", {}, zahl);
        QCOMPARE(ben.size(), 1);
        QCOMPARE(ben.first().laeufe, 1);
        QCOMPARE(ben.first().trend, 0);
        QCOMPARE(TLernfortschritt::berechnen(l, {}, "/l/weg.txt", zahl).size(), 1);
        QCOMPARE(TLernfortschritt::benutzer(l), QStringList({"Anna", "Ben"}));
        QCOMPARE(TLernfortschritt::dateiName("C:\\x\\b.txt"), QStringLiteral("b.txt"));
    }

    // More errors than exercises give 0 %, never a negative rate.
    void mehrFehlerAlsAufgaben() {
        QList<TLernLauf> l = {{"A", tag(1), "x", 12}};
        const auto v = TLernfortschritt::berechnen(l, {}, {}, [](const QString&) { return 4; });
        QCOMPARE(v.first().punkte.first().quote, 0);
    }
};

QTEST_GUILESS_MAIN(tst_TLernfortschritt)
#include "tst_TLernfortschritt.moc"
