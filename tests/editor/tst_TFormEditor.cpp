#include "TFensterUmgebung.h"
#include "editor/ui/TEditorHilfe.h"
#include "editor/ui/TFormEditor.h"
#include "shell/ui/TQtModalDialoge.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

// The editor as a page of the main window.
class tst_TFormEditor : public QObject, public TFensterUmgebung {
    Q_OBJECT

    TFormEditor* editor() const { return f->editorSeite(); }
    void oeffnenEditor() { f->aktion(QStringLiteral("GeladeneLektionBearbeiten"))->trigger(); }
    QList<QToolButton*> hauptknoepfe() const {
        QList<QToolButton*> k;
        for (const char* n : {"btn1", "btn2", "btn3", "btn4", "btn5", "btn6"})
            k.append(kind<QToolButton>(n));
        return k;
    }
    QWidget* imEditor(const char* name) const {
        return editor()->findChild<QWidget*>(QString::fromLatin1(name));
    }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    void oeffnenUndVerlassenOhneLektion() {
        QVERIFY(oeffnen());
        const QString titel = f->windowTitle();
        oeffnenEditor();
        QVERIFY(editor());
        QCOMPARE(f->seitenbereich().currentWidget(), editor());
        QCOMPARE(kind("toppanel")->height(), 0);
        for (QToolButton* k : hauptknoepfe())
            QVERIFY(!k->isEnabled());
        QCOMPARE(f->windowTitle(), titel + QStringLiteral("  Editor"));
        QVERIFY(!antwort()->isVisible());
        QVERIFY(kind("RzStatusBar2")->isVisible());
        QCOMPARE(editor()->findChild<QLabel*>(QStringLiteral("AufgabenNrLabel"))->text(),
                 QStringLiteral("1 von 1"));
        // Leaving at once asks nothing and gives the trainer back as it was.
        qobject_cast<QToolButton*>(imEditor("EditorBtn3"))->click();
        QVERIFY(!editor());
        QCOMPARE(kind("toppanel")->height(), 61);
        for (QToolButton* k : hauptknoepfe())
            QVERIFY(k->isEnabled());
        QCOMPARE(f->windowTitle(), titel);
        QCOMPARE(f->seitenbereich().currentWidget(), &f->seite());
        QVERIFY(antwort()->isVisible());
    }

    void groessenFolgenDemFenster() {
        QVERIFY(oeffnen());
        oeffnenEditor();
        f->resize(800, 600);
        QCOMPARE(editor()->width(), 800);
        QCOMPARE(imEditor("lmdedit1")->width(), 548);
        QCOMPARE(imEditor("lmdedit2")->width(), 548);
        auto* tabelle = qobject_cast<QTableView*>(imEditor("LMDListBox1"));
        QCOMPARE(tabelle->width(), 668);
        QCOMPARE(tabelle->horizontalHeader()->sectionSize(0), 334);
        QCOMPARE(tabelle->horizontalHeader()->sectionSize(1), 334);
        // The table ends 20 pixels above the lower panel's end, which ends above the status bar.
        const QWidget* unten = imEditor("LMDSimplePanel1");
        QCOMPARE(unten->y() + unten->height(), 600 - 31);
        QCOMPARE(tabelle->y() + tabelle->height(), unten->height() - 20);
        // The row number stays inside the panel at the smallest size.
        f->resize(f->minimumSize());
        const QWidget* nr = imEditor("AufgabenNrLabel");
        QVERIFY(nr->x() >= imEditor("lmdedit1")->x() && nr->geometry().right() < f->width());
    }

    void f2UndStatusfelderImEditor() {
        QVERIFY(oeffnen());
        laden("Haus;house\r\n");
        oeffnenEditor();
        for (const char* ziel : {"lmdedit1", "lmdedit2", "LMDListBox1"}) {
            imEditor(ziel)->setFocus();
            QTest::keyClick(imEditor(ziel), Qt::Key_F2);
        }
        QCOMPARE(d->gezeigt.size(), 3);
        for (const auto& fenster : d->gezeigt)
            QCOMPARE(fenster.name, QStringLiteral("EditorHilfe"));
        QCOMPARE(f->trainer().Sitzung.Fehlerzahl, 0);
        for (const char* feld : {"Statusaendern", "DrehStatus", "RunterStatus", "RaufStatus"}) {
            QTest::mouseClick(kind(feld), Qt::LeftButton);
            QCOMPARE(p->meldungen.nimm().text,
                     QStringLiteral("Diese Funktion steht Ihnen im Editor nicht zur Verfügung!"));
        }
    }

    void tastenUndTabelleArbeitenZusammen() {
        QVERIFY(oeffnen());
        oeffnenEditor();
        p->meldungen.dateien.enqueue(
            schreibeDatei(*ordner, QStringLiteral("e.txt"), "a;b;c\r\nHaus;house\r\n"));
        editor()->findChild<QAction*>(QStringLiteral("LektionLaden"))->trigger();
        p->meldungen.nimm();
        auto* tabelle = qobject_cast<QTableView*>(imEditor("LMDListBox1"));
        QCOMPARE(tabelle->model()->index(0, 1).data().toString(), QStringLiteral("b"));
        QCOMPARE(tabelle->currentIndex().row(), 0);
        // A cursor key in the table selects the row and fills the fields.
        tabelle->setFocus();
        QTest::keyClick(tabelle, Qt::Key_Down);
        auto* frage = qobject_cast<QLineEdit*>(imEditor("lmdedit1"));
        auto* antwortFeld = qobject_cast<QLineEdit*>(imEditor("lmdedit2"));
        QCOMPARE(frage->text(), QStringLiteral("house"));
        QCOMPARE(antwortFeld->text(), QStringLiteral("Haus"));
        // Enter walks table -> question -> answer -> new row.
        QTest::keyClick(tabelle, Qt::Key_Return);
        QVERIFY(frage->hasFocus());
        QCOMPARE(frage->selectedText(), QStringLiteral("house"));
        QTest::keyClicks(frage, "tree");
        QTest::keyClick(frage, Qt::Key_Return);
        QVERIFY(antwortFeld->hasFocus());
        QTest::keyClicks(antwortFeld, "Baum");
        QTest::keyClick(antwortFeld, Qt::Key_Return);
        QCOMPARE(editor()->editor().LMDListBox1.zeilen().last(), QStringLiteral("Baum;tree"));
        QCOMPARE(tabelle->currentIndex().row(), 2);
        QVERIFY(frage->hasFocus());
        // Characters the lesson file cannot hold never reach the field.
        QTest::keyClick(frage, Qt::Key_End);
        QKeyEvent fremd(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u0101"));
        QApplication::sendEvent(frage, &fremd);
        QCOMPARE(frage->text(), QStringLiteral("tree"));
        // Delete sets the second heading.
        p->meldungen.antworten.enqueue(true);
        qobject_cast<QPushButton*>(imEditor("LoeschBtn"))->click();
        p->meldungen.nimm();
        QCOMPARE(tabelle->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("2. Aufgabe"));
        QCOMPARE(tabelle->currentIndex().row(), 1);
        // The menu's two prints reach the report engine with the table and the lesson folder.
        editor()->findChild<QAction*>(QStringLiteral("Lektiondrucken1"))->trigger();
        editor()->findChild<QAction*>(QStringLiteral("LektionenDrucken"))->trigger();
        QCOMPARE(d->gezeigt.size(), 2);
    }

    void schliessenMitUngespeichertenAenderungen() {
        QVERIFY(oeffnen());
        oeffnenEditor();
        editor()->findChild<QAction*>(QStringLiteral("NeueLektion"))->trigger();
        qobject_cast<QPushButton*>(imEditor("LMDExplorerButton4"))->click();
        // Abbrechen on the offer to save: the program goes on, nothing else is asked.
        p->meldungen.auswahlen.enqueue(2);
        QVERIFY(!f->close());
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Auswahl"));
        QVERIFY(p->meldungen.leer());
        // Nein: then the main window's own question.
        p->meldungen.auswahlen.enqueue(1);
        p->meldungen.antworten.enqueue(false);
        QVERIFY(!f->close());
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Auswahl"));
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("OkAbbrechen"));
    }

    void wiederOeffnenBeginntLeer() {
        QVERIFY(oeffnen());
        oeffnenEditor();
        editor()->findChild<QAction*>(QStringLiteral("NeueLektion"))->trigger();
        editor()->findChild<QAction*>(QStringLiteral("Copy1"))->trigger();
        p->meldungen.antworten.enqueue(true);
        qobject_cast<QToolButton*>(imEditor("EditorBtn3"))->click();
        QCOMPARE(p->meldungen.nimm().text,
                 QStringLiteral("Soll der Editor wirklich verlassen werden?"));
        QTest::qWait(0);
        oeffnenEditor();
        QCOMPARE(editor()->findChild<QLabel*>(QStringLiteral("GeladeneLektion"))->text(),
                 QStringLiteral("Keine Lektion geladen !"));
        QCOMPARE(editor()->editor().LMDListBox1.zeilen(), QStringList{QString()});
        QCOMPARE(qobject_cast<QLineEdit*>(imEditor("lmdedit1"))->text(), QString());
        editor()->editor().NeueLektionClick();
        editor()->editor().LMDListBox1Click(0);
        QTest::keyClick(imEditor("lmdedit1"), Qt::Key_End);
        // Paste goes above the selected row, which must not be the first.
        editor()->editor().LMDExplorerButton4Click();
        editor()->findChild<QAction*>(QStringLiteral("Paste1"))->trigger();
        QCOMPARE(editor()->editor().LMDListBox1.zeilen().at(1),
                 QStringLiteral("1.Antwort;1.Aufgabe"));
        QCOMPARE(editor()->editor().LMDListBox1.anzahl(), 3);
    }

    void hilfefensterMitSeinemText() {
        TEditorHilfe hilfe;
        QCOMPARE(hilfe.size(), QSize(532, 353));
        const QString text = hilfe.findChild<QPlainTextEdit*>()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("1. Zuerst die Lektion laden")));
        QVERIFY(
            text.contains(QStringLiteral("\n    man diese. Nach der Änderung wird diese mit der "
                                         "Taste [Änderung überehmen] ausgetauscht.\n")));
        QVERIFY(text.endsWith(QStringLiteral("\n10.Speichern  der Lektion ... ")));
        // Esc and Enter close it in a real modal loop.
        TQtModalDialoge echt;
        for (int taste : {Qt::Key_Escape, Qt::Key_Return}) {
            TEditorHilfe fenster;
            QTimer::singleShot(0, &fenster, [&fenster, taste] {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                            : &fenster,
                                Qt::Key(taste));
            });
            QTimer::singleShot(2000, &fenster, [&fenster] { fenster.done(99); });
            QVERIFY(echt.ausfuehren(fenster) != 99);
        }
    }
};

QTEST_MAIN(tst_TFormEditor)
#include "tst_TFormEditor.moc"
