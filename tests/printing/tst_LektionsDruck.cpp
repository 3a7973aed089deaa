#include "TFakeFortschritt.h"
#include "TFakeVorschau.h"
#include "TTrainerUmgebung.h"
#include "printing/TBerichtVorlagen.h"
#include "printing/TLektionsDruck.h"

#include <QtTest>
#include <algorithm>

namespace {

// Notes every value the error counter shows.
struct TZaehlerAnsicht : TFakeAnsicht {
    QList<qint64> werte;
    void setzeFehlerzahl(qint64 n) override {
        werte.append(n);
        TFakeAnsicht::setzeFehlerzahl(n);
    }
};

const char* const kFrageSie = "Die Lektion wurde noch nicht vollständig bearbeitet.\r\nWenn Sie "
                              "fortfahren, werden die noch unbeantworteten Aufgaben\r\nals "
                              "unbeantwortet in die Fehlerliste übernommen.";
const char* const kFrageDu = "Die Lektion wurde noch nicht vollständig bearbeitet.\r\nWenn Du "
                             "fortfährst, werden die noch unbeantworteten Aufgaben\r\nals "
                             "unbeantwortet in die Fehlerliste übernommen.";

} // namespace

class tst_LektionsDruck : public QObject, TTrainerUmgebung {
    Q_OBJECT

    TZaehlerAnsicht zaehler;
    TFakeVorschau vorschau;
    TFakeFortschritt fortschritt;
    std::unique_ptr<TLektionsDruck> druck;

    const TFertigerBericht& bericht() const { return vorschau.letzter(); }
    QStringList spalte(const char* name) const { return TFakeVorschau::spalte(bericht(), name); }
    // Loads the lesson and takes it as finished, so printing asks nothing.
    void fertigGeladen(const QByteArray& inhalt) {
        laden(inhalt);
        t->Lektion.StrHolderLektionRest.clear();
    }

private slots:
    void init() {
        anlegen();
        zaehler = {};
        vorschau = {};
        fortschritt = {};
        druck =
            std::make_unique<TLektionsDruck>(*t, zaehler, p->plattform(), vorschau, fortschritt);
    }
    void cleanup() {
        druck.reset();
        QVERIFY2(p->meldungen.leer(), qPrintable(offeneBox()));
    }

    void verweigerungen() {
        druck->LektionsReportClick(2);
        QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));
        laden("a;b\r\nc;d\r\n");
        optionen->setzen(TOption::Lesemodus, true);
        druck->LektionsReportClick(1);
        QCOMPARE(box(), QStringLiteral("Im Lesemodus können nur Arbeitsblätter gedruckt werden!"));
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        QVERIFY(vorschau.gezeigt.isEmpty());
    }

    void frageAbgebrochen_data() {
        QTest::addColumn<bool>("du");
        QTest::addColumn<QString>("text");
        QTest::newRow("Sie") << false << QString::fromUtf8(kFrageSie);
        QTest::newRow("Du") << true << QString::fromUtf8(kFrageDu);
    }
    void frageAbgebrochen() {
        QFETCH(bool, du);
        QFETCH(QString, text);
        laden("a;b\r\nc;d\r\ne;f\r\n");
        optionen->setzen(TOption::AnredeDu, du);
        p->meldungen.antworten.enqueue(false);
        druck->LektionsReportClick(1);
        const auto frage = p->meldungen.nimm();
        QCOMPARE(frage.art, QStringLiteral("OkAbbrechen"));
        QCOMPARE(frage.titel, QStringLiteral("Bestätigung"));
        QCOMPARE(frage.text, text);
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        QVERIFY(t->Sitzung.StrHolderFehler.isEmpty());
        QVERIFY(!t->Sitzung.RestUebernommen);
        QVERIFY(vorschau.gezeigt.isEmpty());
    }

    // Printing twice during practice asks twice but counts the open exercises once.
    void restNurEinmalUebernommen() {
        laden("a;b\r\nc;d\r\ne;f\r\n");
        t->Sitzung.Fehlerzahl = 1;
        t->Sitzung.StrHolderFehler = {QStringLiteral("x;y")};
        t->Lektion.StrHolderLektionRest.removeFirst();
        const QStringList rest = t->Lektion.StrHolderLektionRest;
        p->meldungen.antworten.enqueue(true);
        p->meldungen.antworten.enqueue(true);
        druck->LektionsReportClick(1);
        box();
        QCOMPARE(zaehler.werte, (QList<qint64>{2, 3}));
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("x;y")} + rest);
        QVERIFY(t->Sitzung.RestUebernommen);
        QCOMPARE(t->Lektion.StrHolderLektionRest, rest);
        druck->LektionsReportClick(2);
        box();
        QCOMPARE(t->Sitzung.Fehlerzahl, 3);
        QCOMPARE(t->Sitzung.StrHolderFehler.size(), 3);
        QCOMPARE(vorschau.gezeigt.size(), 2);
        // The whole lesson is printed, not only what is left.
        QCOMPARE(bericht().Datensaetze.size(), 3);
        // Loading again clears the mark: the next print counts again.
        laden("a;b\r\n");
        QVERIFY(!t->Sitzung.RestUebernommen);
    }

    void fertigeLektionFragtNicht() {
        fertigGeladen("a;b\r\n");
        t->Sitzung.Fehlerzahl = 1;
        druck->LektionsReportClick(1);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QVERIFY(zaehler.werte.isEmpty());
        QCOMPARE(vorschau.gezeigt.size(), 1);
        // One line: one record at once, without any pause.
        QVERIFY(p->warten.pausen.isEmpty());
        QCOMPARE(bericht().Datensaetze.size(), 1);
    }

    // Every line once, in the drawn order, numbered by its place in the file from 0.
    void jedeZeileEinmalZufaellig() {
        fertigGeladen("A0;F0\r\nA1;F1\r\nA2;F2\r\nA3;F3\r\nohne Strich\r\n");
        p->zufall.werte = {3, 0, 2, 0, 0};
        p->zufall.ziehungen.clear();
        druck->LektionsReportClick(1);
        QCOMPARE(p->zufall.ziehungen, (QList<int>{5, 4, 3, 2, 1}));
        QCOMPARE(spalte("IndexMemo"), (QStringList{"3", "0", "4", "1", "2"}));
        QCOMPARE(spalte("AufgabeMemo"), (QStringList{"F3", "F0", "ohne Strich", "F1", "F2"}));
        QCOMPARE(spalte("AntwortMemo"), (QStringList{"A3", "A0", "", "A1", "A2"}));
        QCOMPARE(spalte("Memo8"), QStringList(5, QStringLiteral("Gesamte Lektion drucken...")));
        QCOMPARE(spalte("LektionsMemo"), QStringList(5, t->Lektion.Pfad));
        QCOMPARE(spalte("Memo1").value(0), QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        QCOMPARE(bericht().titel(), QStringLiteral(" Lektion"));
        QCOMPARE(p->warten.pausen, QList<int>(4, 37));
        QVERIFY(druck->Quelle.StrHolderIndex.isEmpty());
        QCOMPARE(fortschritt.gemeldet, (QList<int>{1, 2, 3, 4, 5}));
    }

    // The first record may be asked for again; it is taken once.
    void ersterDatensatzZweimal() {
        fertigGeladen("a;b\r\nc;d\r\n");
        TLektionsBerichtQuelle& q = druck->Quelle;
        q.fuellen();
        q.frUserDataset2First(druck->frReport2);
        const QString erster = druck->frReport2.objekt(QStringLiteral("IndexMemo"))->text;
        q.frUserDataset2First(druck->frReport2);
        QCOMPARE(q.StrHolderIndex.size(), 1);
        QCOMPARE(druck->frReport2.objekt(QStringLiteral("IndexMemo"))->text, erster);
        q.frUserDataset2Next(druck->frReport2);
        q.frUserDataset2Next(druck->frReport2); // one too many: nothing is invented
        QVERIFY(q.StrHolderIndex.isEmpty());
    }

    void arbeitsblatt() {
        fertigGeladen("A0;F0\r\nA1;F1\r\n");
        druck->LektionsReportClick(2);
        QCOMPARE(bericht().titel(), QStringLiteral(" Aufgabenblatt"));
        QCOMPARE(spalte("AntwortMemo"), QStringList(2, QStringLiteral(" ")));
        QCOMPARE(spalte("AufgabeMemo"), (QStringList{"F0", "F1"}));
        QCOMPARE(spalte("Memo8"), QStringList(2, QStringLiteral("Arbeitblatt drucken...")));
    }

    // Reading mode: both sentences in random order; off again, the labels come back.
    void lesemodus() {
        fertigGeladen("richtig0;falsch0\r\nrichtig1;falsch1\r\n");
        optionen->setzen(TOption::Lesemodus, true);
        p->zufall.werte = {0, 1, 0, 0};
        druck->LektionsReportClick(2);
        QCOMPARE(spalte("AufgabeLabel"), QStringList(2, QStringLiteral("Vorschlag 1")));
        QCOMPARE(spalte("AntwortLabel"), QStringList(2, QStringLiteral("Vorschlag 2")));
        QCOMPARE(spalte("AufgabeMemo"), (QStringList{"richtig0", "falsch1"}));
        QCOMPARE(spalte("AntwortMemo"), (QStringList{"falsch0", "richtig1"}));
        optionen->setzen(TOption::Lesemodus, false);
        druck->LektionsReportClick(1);
        QCOMPARE(spalte("AufgabeLabel"), QStringList(2, QStringLiteral("Aufgabe")));
        QCOMPARE(spalte("AntwortLabel"), QStringList(2, QStringLiteral("Antwort")));
    }

    // The draft mark decides the colours of the next print.
    void farbregelJeDruck() {
        fertigGeladen("a;b\r\nc;d\r\n");
        using V = TBerichtVorlagen;
        auto farben = [this](qsizetype satz, const char* name) {
            const TObjektZustand* z =
                TFakeVorschau::zustand(bericht(), satz, QString::fromLatin1(name));
            return std::pair{z->fuellFarbe, z->textFarbe};
        };
        druck->LektionsReportClick(1);
        QCOMPARE(farben(0, "Memo1"), std::pair(V::kWeiss, V::kSchwarz));
        QCOMPARE(farben(1, "IndexMemo"), std::pair(V::kWeiss, V::kSchwarz));
        QCOMPARE(TFakeVorschau::zustand(bericht(), 0, QStringLiteral("Memo2"))->ungeradeFarbe,
                 V::kWeiss);
        optionen->setzen(TOption::OhneFarbeDrucken, false);
        druck->LektionsReportClick(1);
        QCOMPARE(farben(0, "Memo1"), std::pair(V::kNavy, V::kWeiss));
        QCOMPARE(farben(1, "AntwortLabel"), std::pair(V::kSchwarz, V::kWeiss));
        QCOMPARE(TFakeVorschau::zustand(bericht(), 0, QStringLiteral("Memo2"))->ungeradeFarbe,
                 V::kGelb);
    }

    // Cancelling the preparation shows nothing; only the question step has counted.
    void vorbereitungAbgebrochen() {
        laden("a;b\r\nc;d\r\ne;f\r\n");
        p->meldungen.antworten.enqueue(true);
        fortschritt.abbrechenBei = 2;
        druck->LektionsReportClick(1);
        box();
        QVERIFY(vorschau.gezeigt.isEmpty());
        QCOMPARE(t->Sitzung.Fehlerzahl, 3);
        QCOMPARE(fortschritt.beendet, 1);
        // A print while a check is deciding is not started.
        fortschritt.abbrechenBei = -1;
        t->Sitzung.PruefungLaeuft = true;
        druck->LektionsReportClick(1);
        t->Sitzung.PruefungLaeuft = false;
        QVERIFY(vorschau.gezeigt.isEmpty());
        p->meldungen.antworten.enqueue(true);
        druck->LektionsReportClick(1);
        box();
        QCOMPARE(vorschau.gezeigt.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_LektionsDruck)
#include "tst_LektionsDruck.moc"
