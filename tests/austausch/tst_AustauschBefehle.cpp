#include "TFakeDialoge.h"
#include "TFakePlattform.h"
#include "TTestDateien.h"
#include "austausch/ui/TFormLernfortschritt.h"
#include "editor/TEditor.h"
#include "lessons/TAuswertung.h"
#include "lessons/TStrHolder.h"
#include "shell/ui/TBerichtModulLader.h"

#include <QChart>
#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
class TStilleAnsicht : public IEditorAnsicht {
public:
    QString frageText() const override { return {}; }
    QString antwortText() const override { return {}; }
    void setzeFelder(const QString&, const QString&) override {}
    void tabelleFokussieren() override {}
    void frageFokussieren() override {}
    void antwortFokussieren() override {}
    void setzeGeladeneLektion(const QString& t) override { lektion = t; }
    void setzeInfoText(const QString& t) override { info = t; }
    void setzeAufgabenNr(const QString&) override {}
    QString lektion, info;
};

// Takes the program's proposal, or cancels.
class TWahl : public IImportWahl {
public:
    bool csvWaehlen(const QString&, TCsvWahl& w) override {
        csv = w;
        return weiter;
    }
    bool kvtmlWaehlen(const TKvtmlDokument&, int& a, int& b) override {
        paar = {a, b};
        return weiter;
    }
    bool weiter = true;
    TCsvWahl csv;
    std::pair<int, int> paar{-1, -1};
};
} // namespace

class tst_AustauschBefehle : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<TFakePlattform> p;
    TStilleAnsicht a;
    std::unique_ptr<TEditor> e;
    TLaufDaten lauf;
    TOptionenModell o;
    TEditorWerte werte;
    TLektion trainer;
    TWahl wahl;

    void importieren(const QString& name, const QByteArray& bytes) {
        p->meldungen.dateien.enqueue(schreibeDatei(*ordner, name, bytes));
        e->LektionImportierenClick(wahl);
        TFakeMeldungen::TBox b = p->meldungen.nimm();
        if (b.art == QStringLiteral("OkAbbrechen")) // a lesson is in the editor already
            b = p->meldungen.nimm();
        QCOMPARE(b.art, QStringLiteral("Oeffnen"));
    }

private slots:
    void init() {
        ordner = std::make_unique<QTemporaryDir>();
        p = std::make_unique<TFakePlattform>();
        lauf.Verzeichnisse.Daten = ordner->path() + QLatin1Char('/');
        lauf.Verzeichnisse.Lektion = lauf.Verzeichnisse.Daten;
        e = std::make_unique<TEditor>(a, p->plattform(), lauf, o, werte, trainer);
        e->FormShow();
        wahl = {};
    }
    void cleanup() { QVERIFY2(p->meldungen.leer(), "unread box"); }

    // Import: into the table, unsaved, nothing written; the save asks for a name and writes
    // Windows-1252; a ";" in an answer is reported.
    void importUndSpeichern() {
        importieren("woerter.csv", "\xEF\xBB\xBF"
                                   "Frage,Antwort\r\nHaus,house\r\nÄpfel,\"apples;pommes\"\r\n");
        QVERIFY(wahl.csv.kopfzeile);
        QCOMPARE(wahl.csv.trenner, QChar(','));
        const TFakeMeldungen::TBox hinweis = p->meldungen.nimm();
        QCOMPARE(hinweis.art, QStringLiteral("Warnung"));
        QVERIFY(hinweis.text.contains("2. apples;pommes;Äpfel"));
        QCOMPARE(e->LMDListBox1.zeilen(), QStringList({"house;Haus", "apples;pommes;Äpfel"}));
        QVERIFY(e->geaendert());
        QCOMPARE(a.lektion, QStringLiteral("woerter.txt"));
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList({"woerter.csv"}));
        const QString ziel = ordner->filePath("woerter.txt");
        p->meldungen.dateien.enqueue(ziel);
        QVERIFY(e->speichernClick());
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Speichern"));
        QCOMPARE(leseDatei(ziel), QByteArray("house;Haus\r\napples;pommes;\xC4pfel\r\n"));
    }

    // Characters Windows-1252 lacks: replaced by "?", left out, or the import cancelled.
    void nichtDarstellbareZeichen() {
        const QByteArray kvtml = "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries>"
                                 "<entry><translation id=\"0\"><text>Stadt</text></translation>"
                                 "<translation id=\"1\"><text>город</text></translation></entry>"
                                 "<entry><translation id=\"0\"><text>Haus</text></translation>"
                                 "<translation id=\"1\"><text>house</text></translation></entry>"
                                 "</entries></kvtml>";
        p->meldungen.auswahlen.enqueue(0);
        importieren("a.kvtml", kvtml);
        const TFakeMeldungen::TBox frage = p->meldungen.nimm();
        QCOMPARE(frage.knoepfe, QStringList({"Ersetzen", "Auslassen", "Abbrechen"}));
        QVERIFY(frage.text.contains(";Stadt"));
        QVERIFY(!frage.text.contains("Haus"));
        QCOMPARE(wahl.paar, std::make_pair(0, 1));
        QCOMPARE(e->LMDListBox1.zeilen(), QStringList({"?????;Stadt", "house;Haus"}));

        p->meldungen.antworten.enqueue(true); // replace the lesson in the editor
        p->meldungen.auswahlen.enqueue(1);
        importieren("a.kvtml", kvtml);
        p->meldungen.nimm();
        QCOMPARE(e->LMDListBox1.zeilen(), QStringList({"house;Haus"}));

        p->meldungen.antworten.enqueue(true);
        p->meldungen.auswahlen.enqueue(2);
        importieren("a.kvtml", kvtml);
        p->meldungen.nimm();
        QCOMPARE(e->LMDListBox1.zeilen(), QStringList({"house;Haus"}));
    }

    void kaputteDateien() {
        importieren("b.kvtml", "<kvtml><entries><entry>");
        const TFakeMeldungen::TBox b = p->meldungen.nimm();
        QCOMPARE(b.art, QStringLiteral("Fehler"));
        QVERIFY(b.text.contains("keine gültige KVTML-Datei"));
        importieren("leer.csv", "\r\n\r\n");
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Die Datei enthält keine Einträge."));
        importieren("offen.csv", "a,b\n\"c,d\n");
        QVERIFY(p->meldungen.nimm().text.contains("nicht geschlossen"));
        p->meldungen.dateien.enqueue(ordner->filePath("fehlt.csv"));
        p->meldungen.antworten.enqueue(true);
        e->LektionImportierenClick(wahl);
        p->meldungen.nimm();
        p->meldungen.nimm();
        QVERIFY(p->meldungen.nimm().text.contains("kann nicht geöffnet werden"));
    }

    // Export: both formats by extension, through the safe write; they import back unchanged.
    void exportRundreise() {
        const QStringList z = {"Haus;house", "a;b;c", "Haus", "", ";x", "  Ä €  ;\tq"};
        const QString lektion = schreibeDatei(*ordner, "l.txt", TStrHolder::inBytes(z));
        p->meldungen.dateien.enqueue(lektion);
        e->LektionLadenClick();
        p->meldungen.nimm();
        for (const char* name : {"x.csv", "x.kvtml", "ohne"}) {
            p->meldungen.dateien.enqueue(ordner->filePath(name));
            e->LektionExportierenClick();
            QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Speichern"));
        }
        QVERIFY(QFileInfo::exists(ordner->filePath("ohne.csv")));
        for (const char* name : {"x.csv", "x.kvtml"}) {
            p->meldungen.antworten.enqueue(true);
            importieren(name, leseDatei(ordner->filePath(name)));
            QCOMPARE(e->LMDListBox1.zeilen(), z);
        }
        // A missing directory: the usual error box.
        p->meldungen.dateien.enqueue(ordner->filePath("fehlt/x.csv"));
        e->LektionExportierenClick();
        p->meldungen.nimm();
        QVERIFY(p->meldungen.nimm().text.contains("kann nicht erstellt werden"));
    }

    // The window's chart: one line per lesson with a readable file, bands behind; the table
    // row per lesson; filters; the log is never written.
    void lernfortschrittsFenster() {
        const QLocale de(QLocale::German, QLocale::Germany);
        QStringList log;
        for (int t = 1; t <= 3; ++t)
            log << TAuswertung::abschlussEintrag(
                "Anna", TAuswertung::datumText(QDateTime(QDate(2026, 1, t), QTime(9, 0)), de),
                "/l/a.txt", 4 - t);
        log << TAuswertung::abschlussEintrag("Ben", "01.02.2026", "/l/weg.txt", 1) << "kaputt";
        TFormLernfortschritt f(
            log, de, [](const QString& l) -> qsizetype { return l == "/l/a.txt" ? 4 : -1; },
            p->meldungen, *TBerichtModulLader::modul(), nullptr);
        QCOMPARE(f.inhalt().uebersprungen, 1);
        auto* diagramm = qobject_cast<QChart*>(f.diagramm());
        QVERIFY(diagramm);
        auto linien = [diagramm] {
            int n = 0;
            for (QAbstractSeries* s : diagramm->series())
                n += s->objectName() == "Verlauf";
            return n;
        };
        QCOMPARE(diagramm->series().size(), 5 + 1);
        QCOMPARE(linien(), 1);
        auto* tabelle = f.findChild<QTableWidget*>("FortschrittsTabelle");
        QCOMPARE(tabelle->rowCount(), 2);
        QCOMPARE(tabelle->item(0, 3)->text(), QStringLiteral("75 % (1 Fehler)"));
        QCOMPARE(tabelle->item(0, 5)->text(), QStringLiteral("besser"));
        QCOMPARE(tabelle->item(1, 1)->text(), QStringLiteral("?"));
        QVERIFY(!f.findChild<QPushButton*>("DiagrammDruckenBtn")->isEnabled());
        auto* benutzer = f.findChild<QComboBox*>("BenutzerAuswahl");
        benutzer->setCurrentIndex(benutzer->findText("Ben"));
        QCOMPARE(tabelle->rowCount(), 1);
        QCOMPARE(linien(), 0);

        const QString png = ordner->filePath("bild");
        p->meldungen.dateien.enqueue(png);
        f.DiagrammSpeichernBtnClick();
        p->meldungen.nimm();
        QVERIFY(leseDatei(png + ".png").startsWith("\x89PNG"));
        p->meldungen.dateien.enqueue(ordner->filePath("d.pdf"));
        f.DiagrammSpeichernBtnClick();
        p->meldungen.nimm();
        QVERIFY(leseDatei(ordner->filePath("d.pdf")).startsWith("%PDF"));
    }
};

QTEST_MAIN(tst_AustauschBefehle)
#include "tst_AustauschBefehle.moc"
