#include "TFakePlattform.h"
#include "TTestDateien.h"
#include "editor/TEditor.h"
#include "lessons/TStrHolder.h"

#include <QtTest>

// The two fields, the focus and the captions, as the commands leave them.
class TFakeEditorAnsicht : public IEditorAnsicht {
public:
    QString frageText() const override { return frage; }
    QString antwortText() const override { return antwort; }
    void setzeFelder(const QString& f, const QString& a) override {
        frage = f;
        antwort = a;
    }
    void tabelleFokussieren() override { fokus = QStringLiteral("Tabelle"); }
    void frageFokussieren() override { fokus = QStringLiteral("Frage"); }
    void antwortFokussieren() override { fokus = QStringLiteral("Antwort"); }
    void setzeGeladeneLektion(const QString& t) override { lektion = t; }
    void setzeInfoText(const QString& t) override { info = t; }
    void setzeAufgabenNr(const QString& t) override { nr = t; }
    QString frage, antwort, fokus, lektion, info, nr;
};

class tst_TEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<TFakePlattform> p;
    std::unique_ptr<TFakeEditorAnsicht> a;
    std::unique_ptr<TEditor> e;
    TLaufDaten lauf;
    std::unique_ptr<TOptionenModell> o;
    TEditorWerte werte;
    TLektion trainer;

    QString pfad(const QString& name) const { return ordner->filePath(name); }
    void neu() {
        a = std::make_unique<TFakeEditorAnsicht>();
        e = std::make_unique<TEditor>(*a, p->plattform(), lauf, *o, werte, trainer);
        e->FormShow();
    }
    // Opens a lesson written with the given bytes through the (scripted) dialog.
    void laden(const QByteArray& bytes, const QString& name = QStringLiteral("l.txt")) {
        p->meldungen.dateien.enqueue(schreibeDatei(*ordner, name, bytes));
        e->LektionLadenClick();
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Oeffnen"));
    }
    QString box() { return p->meldungen.nimm().text; }
    QStringList zeilen() const { return e->LMDListBox1.zeilen(); }
    QString spalte(int zeile, int s) const {
        return e->LMDListBox1.index(zeile, s).data().toString();
    }
    QByteArray zehnZeilen() const {
        QByteArray b;
        for (int i = 1; i <= 10; ++i)
            b += "a" + QByteArray::number(i) + ";f" + QByteArray::number(i) + "\r\n";
        return b;
    }

private slots:
    void init() {
        ordner = std::make_unique<QTemporaryDir>();
        p = std::make_unique<TFakePlattform>();
        o = std::make_unique<TOptionenModell>();
        lauf = {};
        lauf.Verzeichnisse.Daten = ordner->path() + QLatin1Char('/');
        lauf.Verzeichnisse.Lektion = lauf.Verzeichnisse.Daten;
        lauf.Verzeichnisse.Programm = lauf.Verzeichnisse.Daten + QStringLiteral("programm/");
        werte = {};
        trainer = {};
        neu();
    }
    void cleanup() {
        if (!p->meldungen.leer())
            qWarning("box left: %s", qPrintable(p->meldungen.offen().value(0).text));
        QVERIFY(p->meldungen.leer());
        e.reset();
    }

    void zeileUndFelderTeilenAmErstenSemikolon() {
        laden("Haus;house\r\na;b;c\r\nohne\r\n;\r\n");
        QCOMPARE(a->frage, QStringLiteral("house"));
        QCOMPARE(a->antwort, QStringLiteral("Haus"));
        QCOMPARE(a->nr, QStringLiteral("1 von 4"));
        e->LMDListBox1Click(1);
        QCOMPARE(a->frage, QStringLiteral("b;c"));
        QCOMPARE(a->antwort, QStringLiteral("a"));
        QCOMPARE(spalte(1, 0), QStringLiteral("a"));
        QCOMPARE(spalte(1, 1), QStringLiteral("b"));
        e->LMDListBox1Click(2);
        QCOMPARE(a->frage, QStringLiteral("ohne"));
        QCOMPARE(a->antwort, QString());
        QCOMPARE(spalte(2, 0), QStringLiteral("ohne"));
        QCOMPARE(spalte(2, 1), QString());
        // The display never changes a row, and the row comes back from the fields as it was.
        e->LMDListBox1Click(1);
        e->LMDExplorerButton1Click();
        QCOMPARE(zeilen(), (QStringList{"Haus;house", "a;b;c", "ohne", ";"}));
        QVERIFY(!e->geaendert());
    }

    void ohneLektionWeisenDieGeschuetztenBefehleAb() {
        QCOMPARE(zeilen(), QStringList{QString()});
        QCOMPARE(a->lektion, QStringLiteral("Keine Lektion geladen !"));
        QCOMPARE(a->info,
                 QStringLiteral("Bitte lade nun die Lektion, die bearbeitet werden soll."));
        for (auto befehl :
             {&TEditor::NachObenBtnClick, &TEditor::NachUntenBtnClick, &TEditor::LoeschBtnClick,
              &TEditor::LMDExplorerButton4Click, &TEditor::EditorBtn2Click}) {
            (e.get()->*befehl)();
            QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));
        }
        a->frage = QStringLiteral("f");
        a->antwort = QStringLiteral("a");
        e->lmdedit2KeyDown(Qt::Key_Return);
        QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));
        QCOMPARE(zeilen(), QStringList{QString()});
        // Applying a change is not guarded: it replaces the empty first row.
        e->LMDExplorerButton1Click();
        QCOMPARE(zeilen(), QStringList{QStringLiteral("a;f")});
    }

    void zeilenBefehleAufEinerGeladenenLektion() {
        laden(zehnZeilen());
        // Duplicate row 2 of 10: two equal rows, the selection on the lower one.
        e->LMDListBox1Click(1);
        e->LMDExplorerButton4Click();
        QCOMPARE(zeilen().mid(1, 2), (QStringList{"a2;f2", "a2;f2"}));
        QCOMPARE(e->LMDListBox1.auswahl(), 2);
        QCOMPARE(a->nr, QStringLiteral("3 von 11"));
        // Moving stops at both ends.
        e->LMDListBox1Click(0);
        e->NachObenBtnClick();
        e->LMDListBox1Click(10);
        e->NachUntenBtnClick();
        QCOMPARE(zeilen().first(), QStringLiteral("a1;f1"));
        QCOMPARE(zeilen().last(), QStringLiteral("a10;f10"));
        e->NachObenBtnClick();
        QCOMPARE(zeilen().mid(9), (QStringList{"a10;f10", "a9;f9"}));
        QCOMPARE(a->nr, QStringLiteral("10 von 11"));
        // Delete asks; Abbrechen keeps the row.
        e->LMDListBox1Click(0);
        p->meldungen.antworten.enqueue(false);
        e->LoeschBtnClick();
        QCOMPARE(box(), QStringLiteral("Soll die Aufgabe wirklich gelöscht werden?"));
        QCOMPARE(zeilen().size(), 11);
        p->meldungen.antworten.enqueue(true);
        e->LoeschBtnClick();
        box();
        QCOMPARE(e->LMDListBox1.auswahl(), 0);
        QCOMPARE(e->LMDListBox1.headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("1. Aufgabe"));
        QCOMPARE(a->frage, QStringLiteral("f2"));
        e->LMDListBox1Click(4);
        p->meldungen.antworten.enqueue(true);
        e->LoeschBtnClick();
        box();
        QCOMPARE(e->LMDListBox1.auswahl(), 3);
        QCOMPARE(e->LMDListBox1.headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("4. Aufgabe"));
        QCOMPARE(a->nr, QStringLiteral("4 von 9"));
    }

    void zwischenablageUndNeueZeilen() {
        laden("x;1\r\ny;2\r\n");
        // Nothing copied yet in this run: the pasted row is ";". On the first row: nothing.
        e->Paste1Click();
        QCOMPARE(zeilen().size(), 2);
        e->LMDListBox1Click(1);
        e->Paste1Click();
        QCOMPARE(zeilen(), (QStringList{"x;1", ";", "y;2"}));
        QCOMPARE(e->LMDListBox1.auswahl(), 2);
        e->Copy1Click();
        QCOMPARE(werte.EditorZwischenablage.Antwort, QStringLiteral("y"));
        QCOMPARE(werte.EditorZwischenablage.Aufgabe, QStringLiteral("2"));
        // Enter in the answer field appends the fields as a row, even empty ones.
        a->frage.clear();
        a->antwort.clear();
        e->lmdedit2KeyDown(Qt::Key_Return);
        QCOMPARE(zeilen().last(), QStringLiteral(";"));
        QCOMPARE(e->LMDListBox1.auswahl(), 3);
        QCOMPARE(a->fokus, QStringLiteral("Frage"));
        e->lmdedit1KeyDown(Qt::Key_Return);
        QCOMPARE(a->fokus, QStringLiteral("Antwort"));
        // The clipboard outlives the editor.
        neu();
        QCOMPARE(a->lektion, QStringLiteral("Keine Lektion geladen !"));
        QCOMPARE(werte.EditorZwischenablage.Antwort, QStringLiteral("y"));
    }

    void undoGehtZumGeladenenStandZurueckAuchNachSpeichernUnter() {
        laden("x;1\r\ny;2\r\n");
        e->LMDListBox1Click(1);
        p->meldungen.antworten.enqueue(true);
        e->LoeschBtnClick();
        box();
        const QString kopie = pfad(QStringLiteral("kopie.txt"));
        p->meldungen.dateien.enqueue(kopie);
        QVERIFY(e->SpeichernUnterClick());
        box();
        QCOMPARE(leseDatei(kopie), QByteArray("x;1\r\n"));
        o->setzen(TOption::AnredeDu, true);
        p->meldungen.antworten.enqueue(true);
        e->EditorBtn2Click();
        QCOMPARE(box(), QStringLiteral(
                            "Willst Du wirklich alle Änderungen und Eingaben rückgängig machen?"));
        QCOMPARE(zeilen(), (QStringList{"x;1", "y;2"}));
        QCOMPARE(leseDatei(kopie), QByteArray("x;1\r\n"));
        // Saved as a copy, the table now differs from what was last saved.
        QVERIFY(e->geaendert());
    }

    void speichernSchreibtDieLektionSelbstZurueck() {
        laden("x;1\r\n", QStringLiteral("vokabeln.txt"));
        a->frage = QStringLiteral("über");
        a->antwort = QStringLiteral("Ä");
        e->lmdedit2KeyDown(Qt::Key_Return);
        QVERIFY(e->geaendert());
        QVERIFY(e->speichernClick());
        QCOMPARE(leseDatei(pfad(QStringLiteral("vokabeln.txt"))), QByteArray("x;1\r\n\xc4;\xfc"
                                                                             "ber\r\n"));
        QVERIFY(!e->geaendert());
        QVERIFY(!QFileInfo::exists(lauf.Verzeichnisse.Programm + QStringLiteral("items.txt")));
        // Without a lesson in the editor it asks for a name, as "Speichern unter" does.
        neu();
        p->meldungen.dateien.enqueue(QString());
        QVERIFY(!e->speichernClick());
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Speichern"));
    }

    void speicherfehlerLassenDieDateiUnversehrt() {
        laden("x;1\r\n", QStringLiteral("v.txt"));
        e->LMDListBox1Click(0);
        e->LMDExplorerButton4Click();
        // A directory in the way of "Speichern unter".
        QDir(ordner->path()).mkdir(QStringLiteral("ordner.txt"));
        p->meldungen.dateien.enqueue(pfad(QStringLiteral("ordner.txt")));
        QVERIFY(!e->SpeichernUnterClick());
        box();
        QCOMPARE(box(), QStringLiteral("Datei %1 kann nicht erstellt werden")
                            .arg(pfad(QStringLiteral("ordner.txt"))));
        QVERIFY(e->geaendert());
        // The lesson itself, replaced by a directory, is not destroyed by "Speichern".
        QFile::remove(pfad(QStringLiteral("v.txt")));
        QDir(ordner->path()).mkdir(QStringLiteral("v.txt"));
        QVERIFY(!e->speichernClick());
        QCOMPARE(box(), QStringLiteral("Datei %1 kann nicht erstellt werden")
                            .arg(pfad(QStringLiteral("v.txt"))));
        QVERIFY(QFileInfo(pfad(QStringLiteral("v.txt"))).isDir());
    }

    void neueLektionUeberschreibtKeineLektionDesBenutzers() {
        e->NeueLektionClick();
        QCOMPARE(zeilen(), QStringList{QStringLiteral("1.Antwort;1.Aufgabe")});
        QCOMPARE(a->lektion, QStringLiteral("Neue Lektion.txt"));
        QCOMPARE(a->frage, QStringLiteral("1.Aufgabe"));
        QCOMPARE(a->antwort, QStringLiteral("1.Antwort"));
        QCOMPARE(werte.EditorDatei, pfad(QStringLiteral("Neue Lektion.txt")));
        // Still only the sample line: the file is used again, without a question.
        e->NeueLektionClick();
        QCOMPARE(werte.EditorDatei, pfad(QStringLiteral("Neue Lektion.txt")));
        // Once it is a lesson of the user's, the next new lesson takes a free name.
        a->frage = QStringLiteral("Hund");
        a->antwort = QStringLiteral("dog");
        e->LMDExplorerButton1Click();
        QVERIFY(e->speichernClick());
        e->NeueLektionClick();
        QCOMPARE(leseDatei(pfad(QStringLiteral("Neue Lektion.txt"))), QByteArray("dog;Hund\r\n"));
        QCOMPARE(a->lektion, QStringLiteral("Neue Lektion 2.txt"));
        QCOMPARE(werte.EditorDatei, pfad(QStringLiteral("Neue Lektion 2.txt")));
        // An unwritable lesson directory changes nothing.
        lauf.Verzeichnisse.Lektion = pfad(QStringLiteral("fehlt/"));
        e->NeueLektionClick();
        QVERIFY(box().endsWith(QStringLiteral("kann nicht erstellt werden")));
        QCOMPARE(a->lektion, QStringLiteral("Neue Lektion 2.txt"));
    }

    void ladenUndUebernehmen() {
        // A file that cannot be read leaves everything as it was.
        p->meldungen.dateien.enqueue(pfad(QStringLiteral("fehlt.txt")));
        e->LektionLadenClick();
        box();
        QCOMPARE(box(), QStringLiteral("Datei %1 kann nicht geöffnet werden")
                            .arg(pfad(QStringLiteral("fehlt.txt"))));
        QCOMPARE(a->lektion, QStringLiteral("Keine Lektion geladen !"));
        QVERIFY(werte.EditorDatei.isEmpty());
        // Take-over without a lesson in the trainer.
        e->LektionuebernehmenClick();
        QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));
        // The trainer's lines are swapped and half done; the file is what counts.
        trainer.Pfad =
            schreibeDatei(*ordner, QStringLiteral("t.txt"), "Haus;house\r\nBaum;tree\r\n");
        trainer.StrHolderLektion = QStringList{QStringLiteral("house;Haus")};
        o->setzen(TOption::AnredeDu, true);
        e->LektionuebernehmenClick();
        QCOMPARE(zeilen(), (QStringList{"Haus;house", "Baum;tree"}));
        QCOMPARE(a->lektion, QStringLiteral("t.txt"));
        QCOMPARE(a->info, QStringLiteral("Bitte bearbeite nun die geladene Lektion."));
        QVERIFY(werte.EditorDatei.isEmpty());
        // Now a lesson is in the editor: loading asks first.
        e->LektionLadenClick();
        QCOMPARE(box(), QStringLiteral("Es ist bereits eine Lektion im Editor geladen!\nWillst Du "
                                       "fortfahren?"));
        p->meldungen.vergessen();
        p->meldungen.fehlendeAntworten = 0;
    }

    void verlassenFragtNachAenderungenUndSonstWieVorgesehen() {
        // Nothing loaded: no question.
        QVERIFY(e->EditorBtn3Click());
        // Only a take-over: no question either.
        trainer.Pfad = schreibeDatei(*ordner, QStringLiteral("t.txt"), "a;b\r\n");
        trainer.StrHolderLektion = QStringList{QStringLiteral("a;b")};
        e->LektionuebernehmenClick();
        QVERIFY(e->EditorBtn3Click());
        // After a new lesson, unchanged: the usual question.
        neu();
        e->NeueLektionClick();
        p->meldungen.antworten.enqueue(false);
        QVERIFY(!e->EditorBtn3Click());
        QCOMPARE(box(), QStringLiteral("Soll der Editor wirklich verlassen werden?"));
        // Changed: the offer to save replaces it. Abbrechen stays, Nein leaves unsaved.
        e->LMDExplorerButton4Click();
        p->meldungen.auswahlen.enqueue(2);
        QVERIFY(!e->EditorBtn3Click());
        const auto frage = p->meldungen.nimm();
        QCOMPARE(frage.text, QStringLiteral("Die Lektion im Editor wurde geändert.\r\nWollen Sie "
                                            "die Änderungen speichern?"));
        QCOMPARE(frage.knoepfe, (QStringList{"Ja", "Nein", "Abbrechen"}));
        p->meldungen.auswahlen.enqueue(1);
        QVERIFY(e->beendenErlaubt());
        box();
        QCOMPARE(leseDatei(werte.EditorDatei), QByteArray("1.Antwort;1.Aufgabe\r\n"));
        // Ja saves first, then the editor may go.
        p->meldungen.auswahlen.enqueue(0);
        QVERIFY(e->EditorBtn3Click());
        box();
        QCOMPARE(leseDatei(werte.EditorDatei),
                 QByteArray("1.Antwort;1.Aufgabe\r\n1.Antwort;1.Aufgabe\r\n"));
        // A save that fails keeps the editor open.
        e->LMDExplorerButton4Click();
        QFile::remove(werte.EditorDatei);
        QDir().mkdir(werte.EditorDatei);
        p->meldungen.auswahlen.enqueue(0);
        QVERIFY(!e->EditorBtn3Click());
        box();
        QVERIFY(box().endsWith(QStringLiteral("kann nicht erstellt werden")));
    }

    void eineTabelleOhneZeilen() {
        laden("nur;eine\r\n");
        p->meldungen.antworten.enqueue(true);
        e->LoeschBtnClick();
        box();
        QVERIFY(zeilen().isEmpty());
        QCOMPARE(e->LMDListBox1.auswahl(), -1);
        QCOMPARE(a->nr, QStringLiteral("0 von 0"));
        QCOMPARE(a->frage, QString());
        // The row commands have nothing to work on; none invents a row or asks.
        e->LMDExplorerButton1Click();
        e->LMDExplorerButton4Click();
        e->LoeschBtnClick();
        e->Copy1Click();
        e->Paste1Click();
        e->NachObenBtnClick();
        e->NachUntenBtnClick();
        e->LMDListBox1Click(0);
        QVERIFY(zeilen().isEmpty());
        // Adding works again.
        a->frage = QStringLiteral("f");
        e->lmdedit2KeyDown(Qt::Key_Return);
        QCOMPARE(zeilen(), QStringList{QStringLiteral(";f")});
        QCOMPARE(a->nr, QStringLiteral("1 von 1"));
        // An empty file: no rows and no lesson to work on, and no crash either.
        p->meldungen.antworten.enqueue(true);
        p->meldungen.dateien.enqueue(schreibeDatei(*ordner, QStringLiteral("leer.txt"), {}));
        e->LektionLadenClick();
        box();
        box();
        QVERIFY(zeilen().isEmpty());
        e->LMDExplorerButton1Click();
        e->Copy1Click();
        QVERIFY(zeilen().isEmpty());
    }

    void lektionsverzeichnisZeigen() {
        e->AlleLektionenzeigenClick();
        QCOMPARE(p->shell.aufrufe,
                 QStringList{QStringLiteral("ordner:") + lauf.Verzeichnisse.Lektion});
        p->shell.gelingt = false;
        e->AlleLektionenzeigenClick();
        const auto b = p->meldungen.nimm();
        QCOMPARE(b.art, QStringLiteral("Schlicht"));
        QCOMPARE(b.text, QStringLiteral("Das Verzeichnis wurde nicht gefunden"));
    }
};

QTEST_GUILESS_MAIN(tst_TEditor)
#include "tst_TEditor.moc"
