#include "TTrainerUmgebung.h"
#include "lessons/TStrHolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
const QString kKeineLektion = QStringLiteral("Es wurde noch keine Lektion geladen.");
const QString kBereits = QStringLiteral("Die Lektion wurde bereits bearbeitet.\r\nBitte laden Sie "
                                        "eine neue Lektion\r\noder üben Sie nochmals die gleiche "
                                        "Lektion");
} // namespace

class tst_TLernTrainer : public QObject, TTrainerUmgebung {
    Q_OBJECT

    void tippen(const QString& text) { a->antwort = text; }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY2(p->meldungen.leer(), qPrintable(offeneBox())); }

    void ladenZeigtDieErsteAufgabe() {
        const QString pfad = ordner->filePath(QStringLiteral("tiere.txt"));
        schreibeDatei(*ordner, QStringLiteral("tiere.txt"), "  Haus  ;  house  \r\nBaum;tree\r\n");
        p->meldungen.dateien.enqueue(pfad);
        t->LektionladenClick();
        const auto dialog = p->meldungen.nimm();
        QCOMPARE(dialog.art, QStringLiteral("Oeffnen"));
        QCOMPARE(dialog.dialog.verzeichnis, t->Lauf.Verzeichnisse.Lektion);
        QCOMPARE(dialog.dialog.filter, QStringLiteral("Lektionen  (*.txt)|*.txt"));
        QCOMPARE(dialog.dialog.vorgabeName, QStringLiteral("*.txt"));
        QCOMPARE(dialog.dialog.standardEndung, QStringLiteral("*.txt"));

        QCOMPARE(a->frage, QStringLiteral("house"));
        QCOMPARE(t->Sitzung.Antwort, QStringLiteral("Haus"));
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("  Haus  ;  house  "));
        QCOMPARE(a->aufgabenTitel, QStringLiteral(" noch 1  Aufgabe(n) "));
        QCOMPARE(a->zahlDerAufgaben, QStringLiteral("2 Aufgaben"));
        QCOMPARE(a->ueberschrift, QStringLiteral("tiere.txt"));
        QCOMPARE(a->ueberschriftHinweis, pfad);
        QCOMPARE(a->infoText, QStringLiteral("Bitte beantworten Sie die gestellten Aufgaben."));
        QCOMPARE(a->vorschlag1, QStringLiteral("Haus"));
        QCOMPARE(a->vorschlag2, QStringLiteral("house"));
        QVERIFY(a->antwortHatFokus);
        QCOMPARE(t->Lektion.Protokollname, pfad);
        QCOMPARE(t->Lektion.LetzterPfad, pfad);
        QCOMPARE(p->klang.gespielt, QList<int>{7});
        QCOMPARE(a->historie.at(0), pfad + QStringLiteral("   "));
        QCOMPARE(a->historie.at(1), QStringLiteral("kein Eintrag   "));

        // Cancelling the dialog changes nothing.
        t->LektionladenClick();
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Oeffnen"));
        p->meldungen.fehlendeAntworten = 0;
        QCOMPARE(t->Lektion.Pfad, pfad);
    }

    void aufgabenTitelZaehltDieRestlichenAufgaben() {
        laden("1;a\r\n2;b\r\n3;c\r\n4;d\r\n5;e\r\n");
        QCOMPARE(a->aufgabenTitel, QStringLiteral(" noch 4  Aufgabe(n) "));
        tippen(QStringLiteral("falsch"));
        t->PruefBtnClick();
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(a->aufgabenTitel, QStringLiteral(" noch 3  Aufgabe(n) "));
        QCOMPARE(t->Lektion.StrHolderLektionRest.size(), 4);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
    }

    void pruefenVergleichtGenau() {
        laden("Haus;house\r\nBaum;tree\r\n");
        p->klang.gespielt.clear();
        for (const QString& falsch : {QStringLiteral("haus"), QStringLiteral("Haus "),
                                      QStringLiteral(" Haus"), QString()}) {
            tippen(falsch);
            t->PruefBtnClick();
        }
        // Four wrong checks of one presentation: one error, one entry.
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(a->fehlerzahl, 1);
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("Haus;house")});
        QCOMPARE(p->klang.gespielt, QList<int>({1, 1, 1, 1}));
        QCOMPARE(p->warten.pausen, QList<int>({1000, 1000, 1000, 1000}));
        QCOMPARE(a->farben.mid(0, 2),
                 QList<TAntwortFarbe>({TAntwortFarbe::Rot, TAntwortFarbe::InfoHintergrund}));
        QCOMPARE(a->antwort, QString()); // the typed text stays

        // Corrected and checked again: green, no further error, next exercise.
        a->farben.clear();
        p->klang.gespielt.clear();
        tippen(QStringLiteral("Haus"));
        t->PruefBtnClick();
        QCOMPARE(a->farben.first(), TAntwortFarbe::Gruen);
        QCOMPARE(p->klang.gespielt, QList<int>({3, 7}));
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(t->Lektion.StrHolderLektionRest, QStringList{QStringLiteral("Baum;tree")});
        QCOMPARE(a->frage, QStringLiteral("tree"));
        QVERIFY(!t->Sitzung.FehlerErfasst);
        QVERIFY(!t->Sitzung.Beantwortet);
    }

    void zeilenOhneTrennerUndMitLeererAntwort() {
        laden("Haus\r\n");
        QCOMPARE(a->frage, QStringLiteral("Haus"));
        QCOMPARE(t->Sitzung.Antwort, QString());
        tippen(QString());
        t->PruefBtnClick();
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        QCOMPARE(box(), QStringLiteral("1 Aufgaben: Davon wurden 0 fehlerhaft beantwortet"));
        QCOMPARE(a->antwortMarkiert, true); // the last answer stays, selected
    }

    void weiterOhnePruefungBehaeltDieAufgabe() {
        laden("nur;eine\r\n");
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(t->Lektion.StrHolderLektionRest.size(), 1);
        QCOMPARE(a->frage, QStringLiteral("eine"));
        QCOMPARE(a->aufgabenTitel, QStringLiteral(" letzte  Aufgabe "));
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        QCOMPARE(p->klang.gespielt, QList<int>({7, 7}));
    }

    void zufallWaehltAusDemRest() {
        p->zufall.werte = {2, 1};
        laden("a;1\r\nb;2\r\nc;3\r\n");
        QCOMPARE(p->zufall.ziehungen, QList<int>({3, 2}));
        QCOMPARE(t->Sitzung.Index, 2);
        QCOMPARE(a->frage, QStringLiteral("3"));
        QCOMPARE(a->vorschlag1, QStringLiteral("3"));
        QCOMPARE(a->vorschlag2, QStringLiteral("c"));
        QCOMPARE(p->zufall.saaten, 2);
    }

    void loesungZaehltAlsFehler() {
        laden("Haus;house\r\nL\xf6sung wurde angezeigt!;Trick\r\n");
        p->klang.gespielt.clear();
        t->LoesungAnzeigenImageClick();
        QCOMPARE(a->loesungen, QStringList{QStringLiteral("house|Haus|0")});
        QCOMPARE(a->antwort, QStringLiteral("Lösung wurde angezeigt!"));
        QCOMPARE(p->klang.gespielt, QList<int>({4, 1}));
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QVERIFY(t->Sitzung.Beantwortet);
        // Twice in one presentation: still one error.
        t->LoesungAnzeigenImageClick();
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("Lösung wurde angezeigt!;Trick"));
        // The answer that equals the inserted text counts as right.
        t->LoesungAnzeigenImageClick();
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(box(), QStringLiteral("2 Aufgaben: Davon wurden 1 fehlerhaft beantwortet"));
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("Haus;house")});

        t->Lauf.AdminModusAktiv = true;
        t->LoesungAnzeigenImageClick();
        QCOMPARE(box(), QStringLiteral("Im Administrator-Modus wurde diese Funktion deaktiviert."));
        t->Lauf.AdminModusAktiv = false;
        // After the end the window still opens, then the check refuses.
        t->LoesungAnzeigenImageClick();
        QCOMPARE(a->loesungen.size(), 4);
        QCOMPARE(box(), kBereits);
    }

    void ohneLektion() {
        t->NaechsteAufgabeBtnClick();
        t->PruefBtnClick();
        t->LoesungAnzeigenImageClick();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(box(), kKeineLektion);
        t->Optionen.setzen(TOption::SofortPruefen, true);
        tippen(QStringLiteral("x"));
        t->EingabePruefen(); // silent
        QVERIFY(a->loesungen.isEmpty());
        QVERIFY(p->klang.gespielt.isEmpty());
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
    }

    void liveCheck() {
        laden("Haus;house\r\nBaum;tree\r\n");
        t->AntwortbeiderEingabeprfen1Click();
        QVERIFY(t->Optionen.werte().SofortPruefen);
        tippen(QStringLiteral("Ha"));
        t->EingabePruefen();
        QCOMPARE(a->farbe, TAntwortFarbe::InfoHintergrund);
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        tippen(QStringLiteral("Hau5"));
        t->EingabePruefen();
        QCOMPARE(a->farbe, TAntwortFarbe::Rot);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QVERIFY(!t->Sitzung.Beantwortet); // no sound, no wait, not checked
        QVERIFY(p->warten.pausen.isEmpty());
        tippen(QStringLiteral("Hau"));
        t->EingabePruefen();
        QCOMPARE(a->farbe, TAntwortFarbe::InfoHintergrund);
        tippen(QStringLiteral("Hausx"));
        t->EingabePruefen();
        QCOMPARE(a->farbe, TAntwortFarbe::Rot);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(p->klang.gespielt, QList<int>{7});

        // Skipped after a live-check error and presented again: a second error of the line.
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("Haus;house"));
        tippen(QStringLiteral("X"));
        t->EingabePruefen();
        QCOMPARE(t->Sitzung.Fehlerzahl, 2);
        QCOMPARE(t->Sitzung.StrHolderFehler,
                 QStringList({QStringLiteral("Haus;house"), QStringLiteral("Haus;house")}));

        // Switched off: nothing happens.
        t->AntwortbeiderEingabeprfen1Click();
        a->farben.clear();
        tippen(QStringLiteral("Y"));
        t->EingabePruefen();
        QVERIFY(a->farben.isEmpty());
    }

    void mehrFehlerAlsAufgabenGibtNullProzent() {
        laden("a;1\r\n");
        t->Optionen.setzen(TOption::SofortPruefen, true);
        tippen(QStringLiteral("x"));
        t->EingabePruefen();
        t->NaechsteAufgabeBtnClick();
        tippen(QStringLiteral("y"));
        t->EingabePruefen();
        tippen(QStringLiteral("z"));
        t->PruefBtnClick();
        QCOMPARE(t->Sitzung.Fehlerzahl, 2);
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(box(), QStringLiteral("1 Aufgaben: Davon wurden 2 fehlerhaft beantwortet"));
        QCOMPARE(a->erfolgMaximum, 1);
        QCOMPARE(a->erfolgWert, -1);
        QVERIFY(a->urteile.at(0).startsWith(QStringLiteral("Schauen Sie sich doch bitte")));
        QCOMPARE(p->klang.gespielt.last(), 2);
    }

    void endeDerLektion() {
        t->Lauf.BenutzerName = QStringLiteral("Lena");
        const QString pfad = laden("a;1\r\nb;2\r\nc;3\r\nd;4\r\n");
        for (int i = 0; i < 4; ++i) {
            tippen(i == 0 ? QStringLiteral("falsch") : t->Sitzung.Antwort);
            t->PruefBtnClick();
            if (i == 0)
                t->NaechsteAufgabeBtnClick();
        }
        QCOMPARE(box(), QStringLiteral("4 Aufgaben: Davon wurden 1 fehlerhaft beantwortet"));
        QCOMPARE(t->LogStrHolder,
                 QStringList({QStringLiteral(" "), QStringLiteral("Benutzer         : Lena"),
                              QStringLiteral("Datum            : 09.12.26 14:05:30"),
                              QStringLiteral("Lektion          : ") + pfad,
                              QStringLiteral("Ergebnis         : 1 Fehler")}));
        QVERIFY(a->erfolg);
        QCOMPARE(a->erfolgMaximum, 4);
        QCOMPARE(a->erfolgWert, 3);
        QCOMPARE(a->urteile,
                 QStringList{QStringLiteral("Übung macht den Meister ... \r\nAber ein wenig fehlt "
                                            "noch ... \r\nBitte versuchen Sie diese Lektion noch "
                                            "einmal.")});
        QCOMPARE(p->klang.gespielt.mid(p->klang.gespielt.size() - 3), QList<int>({3, 7, 4}));
        QVERIFY(t->Sitzung.Beendet);

        // Afterwards every exercise command refuses.
        p->klang.gespielt.clear();
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(box(), kBereits);
        QCOMPARE(a->infoText, QStringLiteral("Bitte laden Sie nun eine Lektion."));
        t->PruefBtnClick();
        QCOMPARE(box(), kBereits);
        t->Optionen.setzen(TOption::AnredeDu, true);
        t->EingabePruefen();
        QCOMPARE(box(),
                 QStringLiteral("Die Lektion wurde bereits bearbeitet.\r\nBitte lade nun "
                                "eine neue Lektion\r\noder übe nochmals die gleiche Lektion"));
        QCOMPARE(a->infoText, QStringLiteral("Bitte lade nun eine Lektion."));
        // Keys in the field only play their sound; Enter not even that.
        t->AntwortEditKeyDown(Qt::Key_A, Qt::NoModifier);
        t->AntwortEditKeyUp();
        t->AntwortEditKeyDown(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(p->klang.gespielt, QList<int>{0});
        QVERIFY(p->meldungen.leer());

        // A new load starts afresh.
        laden("x;y\r\n");
        QVERIFY(!t->Sitzung.Beendet);
        QVERIFY(!a->erfolg);
        QCOMPARE(a->fehlerzahl, 0);
    }

    void tasten() {
        laden("Haus;house\r\nBaum;tree\r\n");
        p->klang.gespielt.clear();
        t->AntwortEditKeyDown(Qt::Key_H, Qt::AltModifier);
        t->AntwortEditKeyDown(Qt::Key_C, Qt::ControlModifier);
        t->AntwortEditKeyDown(Qt::Key_Return, Qt::ControlModifier);
        t->AntwortEditKeyDown(Qt::Key_Return, Qt::AltModifier);
        QVERIFY(p->klang.gespielt.isEmpty());
        QVERIFY(p->warten.pausen.isEmpty());
        t->AntwortEditKeyDown(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier); // AltGr
        t->AntwortEditKeyDown(Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(p->klang.gespielt, QList<int>({0, 0}));
        QCOMPARE(a->farbe, TAntwortFarbe::InfoHintergrund);
        tippen(QStringLiteral("falsch"));
        t->AntwortEditKeyDown(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        t->AntwortEditKeyDown(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(p->warten.pausen.size(), 2);

        t->Optionen.setzen(TOption::Ton, false);
        p->klang.gespielt.clear();
        t->AntwortEditKeyDown(Qt::Key_B, Qt::NoModifier);
        tippen(QStringLiteral("Haus"));
        t->PruefBtnClick();
        QVERIFY(p->klang.gespielt.isEmpty());

        t->AntwortEditExit();
        QCOMPARE(a->farbe, TAntwortFarbe::Weiss);
        t->AntwortEditEnter();
        QCOMPARE(a->farbe, TAntwortFarbe::InfoHintergrund);
        t->AntwortEditExit();
        t->AntwortEditMouseDown();
        QCOMPARE(a->farbe, TAntwortFarbe::InfoHintergrund);
    }

    // Input during the one-second flash never changes which line a check records or removes.
    void eingabeWaehrendDesAufblinkens() {
        p->zufall.werte = {0, 0, 1, 0};
        laden("a;1\r\nb;2\r\nc;3\r\n");
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("a;1"));
        p->warten.waehrend = [this] {
            t->NaechsteAufgabeBtnClick();
            tippen(QStringLiteral("a"));
            t->PruefBtnClick();
            t->LoesungAnzeigenImageClick();
            t->Optionen.setzen(TOption::SofortPruefen, true);
            t->EingabePruefen();
            t->LektionladenClick();
        };
        tippen(QStringLiteral("falsch"));
        t->PruefBtnClick();
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("a;1")});
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(t->Lektion.StrHolderLektionRest.size(), 3);
        QCOMPARE(p->warten.pausen.size(), 1);

        // A right check removes exactly the checked line, even if Next arrives meanwhile.
        tippen(QStringLiteral("a"));
        t->PruefBtnClick();
        QCOMPARE(t->Lektion.StrHolderLektionRest,
                 QStringList({QStringLiteral("b;2"), QStringLiteral("c;3")}));
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("c;3"));
        QVERIFY(a->loesungen.isEmpty());
        QVERIFY(!t->Sitzung.PruefungLaeuft);
    }

    void ladefehlerUndLeereDatei() {
        laden("a;1\r\nb;2\r\n");
        tippen(QStringLiteral("x"));
        t->PruefBtnClick();
        const QString fehlt = ordner->filePath(QStringLiteral("weg.txt"));
        p->meldungen.dateien.enqueue(fehlt);
        t->LektionladenClick();
        p->meldungen.nimm();
        const auto fehler = p->meldungen.nimm();
        QCOMPARE(fehler.art, QStringLiteral("Fehler"));
        QCOMPARE(fehler.titel, QStringLiteral("DRILLA V3.5b "));
        QCOMPARE(fehler.text, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(fehlt));
        // Steps up to the heading are done, the rest keeps its former values.
        QCOMPARE(a->ueberschrift, QStringLiteral("weg.txt"));
        QCOMPARE(a->historie.at(0), fehlt + QStringLiteral("   "));
        QVERIFY(t->Lektion.StrHolderLektion.isEmpty());
        QVERIFY(t->Sitzung.StrHolderFehler.isEmpty());
        QCOMPARE(a->fehlerzahl, 1);
        QCOMPARE(a->zahlDerAufgaben, QStringLiteral("2 Aufgaben"));
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(box(), kKeineLektion);

        // A file without lines: no lesson, but its name and count are shown.
        laden(QByteArray(), QStringLiteral("leer.txt"));
        QCOMPARE(box(), kKeineLektion);
        QCOMPARE(a->ueberschrift, QStringLiteral("leer.txt"));
        QCOMPARE(a->zahlDerAufgaben, QStringLiteral("0 Aufgaben"));
        QVERIFY(!t->Lektion.LektionGeladen());
    }

    void neuesLadenVerwirftDieAlteUebung() {
        const QString erste = laden("a;1\r\nb;2\r\nc;3\r\n", QStringLiteral("a.txt"));
        tippen(QStringLiteral("x"));
        t->PruefBtnClick();
        const QString zweite = laden("d;4\r\n", QStringLiteral("b.txt"));
        QVERIFY(t->Sitzung.StrHolderFehler.isEmpty());
        QCOMPARE(t->Sitzung.Fehlerzahl, 0);
        QCOMPARE(t->Lektion.StrHolderLektionRest, QStringList{QStringLiteral("d;4")});
        laden("d;4\r\n", QStringLiteral("b.txt"));
        QCOMPARE(a->historie.mid(0, 3),
                 QStringList({zweite + QStringLiteral("   "), zweite + QStringLiteral("   "),
                              erste + QStringLiteral("   ")}));
    }

    void fremdeBytesBleibenErhalten() {
        QByteArray zeile = "\x80\x81\x8d\x8f\x90\x9d\x9f;\xe4\xf6\xfc\xdf\x01\x7f";
        laden(zeile + "\r\n" + QByteArray(1 << 20, 'x'));
        t->Optionen.setzen(TOption::Ton, true);
        while (t->Sitzung.Zeile.size() > 100)
            t->NaechsteAufgabeBtnClick(); // the 1 MB line stays until checked
        tippen(QStringLiteral("?"));
        t->PruefBtnClick();
        const QString ziel = ordner->filePath(QStringLiteral("fehler.txt"));
        QVERIFY(TStrHolder::speichern(ziel, t->Sitzung.StrHolderFehler));
        QCOMPARE(leseDatei(ziel), zeile + "\r\n");
    }

    void auswertungAnzeigenUndZuruecksetzen() {
        t->LogStrHolder = {QStringLiteral(" "), QStringLiteral("Ergebnis         : 0 Fehler")};
        t->AuswertungClick();
        const QString pfad = t->Lauf.Verzeichnisse.Daten + QStringLiteral("auswertung.txt");
        QCOMPARE(leseDatei(pfad), QByteArray(" \r\nErgebnis         : 0 Fehler\r\n"));
        QCOMPARE(p->shell.aufrufe, QStringList{QStringLiteral("text:") + pfad});
        // No program for text files: the log is saved, and the user is told where.
        p->shell.gelingt = false;
        t->AuswertungClick();
        QCOMPARE(p->meldungen.nimm().text,
                 QStringLiteral("Die Auswertung wurde gespeichert in:\r\n%1\r\nEs wurde kein "
                                "Programm gefunden, das Textdateien anzeigen kann.")
                     .arg(pfad));
        p->shell.gelingt = true;

        p->meldungen.antworten.enqueue(false);
        t->Auswertungzurcksetzten1Click();
        const auto frage = p->meldungen.nimm();
        QCOMPARE(frage.art, QStringLiteral("JaNein"));
        QCOMPARE(frage.titel, QStringLiteral("Bestätigung"));
        QCOMPARE(frage.text, QStringLiteral("Soll die Auswertungs wirklich gelöscht werden ?"));
        QCOMPARE(t->LogStrHolder.size(), 2);
        p->meldungen.antworten.enqueue(true);
        t->Auswertungzurcksetzten1Click();
        p->meldungen.nimm();
        QVERIFY(t->LogStrHolder.isEmpty());
        QCOMPARE(leseDatei(pfad).size(), 32); // the file changes only when shown
        t->AuswertungClick();
        QCOMPARE(leseDatei(pfad), QByteArray());

        // A log that cannot be written: error box, no editor, list kept.
        t->LogStrHolder = {QStringLiteral("x")};
        t->Lauf.Verzeichnisse.Daten = ordner->filePath(QStringLiteral("fehlt/"));
        p->shell.aufrufe.clear();
        t->AuswertungClick();
        const auto fehler = p->meldungen.nimm();
        QCOMPARE(fehler.art, QStringLiteral("Fehler"));
        QCOMPARE(fehler.text, QStringLiteral("Datei %1auswertung.txt kann nicht erstellt werden")
                                  .arg(t->Lauf.Verzeichnisse.Daten));
        QVERIFY(p->shell.aufrufe.isEmpty());
        QCOMPARE(t->LogStrHolder, QStringList{QStringLiteral("x")});
    }

    void anredeSchalter() {
        t->AnredemitDU1Click();
        QCOMPARE(t->Optionen.AnredeIndex(), 1);
        QCOMPARE(a->zeichenfeldHinweis,
                 QStringLiteral("Wähle mit der Maus das nächste benötigte Zeichen der Lösung."));
        QCOMPARE(a->infoText, QStringLiteral("Bitte beantworte die gestellten Aufgaben."));
        QCOMPARE(a->lesemodusText,
                 QStringLiteral("Klicke den fehlerfreie Satz mit der Maus einfach an!"));
        t->AnredemitDU1Click();
        QCOMPARE(t->Optionen.AnredeIndex(), 0);
        QCOMPARE(
            a->zeichenfeldHinweis,
            QStringLiteral("Wählen Sie mit der Maus das nächste benötigte Zeichen der Lösung."));
        QCOMPARE(a->infoText, QStringLiteral("Bitte beantworten Sie die gestellten Aufgaben."));
        QCOMPARE(a->lesemodusText,
                 QStringLiteral("Klicken Sie den fehlerfreie Satz mit der Maus einfach an!"));
    }

    void vertauschenUndDrehenBeimZeigen() {
        t->Optionen.setzen(TOption::Vertauschen, true);
        t->Optionen.setzen(TOption::FelderDrehen, true);
        laden("Haus;house\r\nx\r\n");
        QCOMPARE(a->frage, QStringLiteral("Haus"));
        QCOMPARE(t->Sitzung.Antwort, QStringLiteral("house"));
        QCOMPARE(a->drehungen, 1);
        tippen(QStringLiteral("Haus"));
        t->PruefBtnClick();
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("Haus;house")});
        QCOMPARE(a->drehungen, 1); // a wrong check does not turn the tiles
        t->NaechsteAufgabeBtnClick();
        QCOMPARE(a->frage, QString());
        QCOMPARE(t->Sitzung.Antwort, QStringLiteral("x"));
        QCOMPARE(a->drehungen, 2);
    }
};

QTEST_GUILESS_MAIN(tst_TLernTrainer)
#include "tst_TLernTrainer.moc"
