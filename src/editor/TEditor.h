#pragma once

#include "austausch/IImportWahl.h"
#include "austausch/TLektionsAustausch.h"
#include "editor/IEditorAnsicht.h"
#include "editor/TEditorModell.h"
#include "editor/TEditorWerte.h"
#include "lessons/TLektion.h"
#include "shell/TLaufDaten.h"
#include "shell/TOptionenModell.h"
#include "shell/TPlattform.h"
#include "shell/TSchriftDaten.h"

#include <QStringList>

// One opening of the lesson editor: its table, the undo copy and the commands, without widgets.
// It works on its own copy of a lesson; the trainer's lesson is only read for the take-over.
class TEditor {
public:
    TEditor(IEditorAnsicht& ansicht, TPlattform plattform, const TLaufDaten& lauf,
            const TOptionenModell& optionen, TEditorWerte& werte, const TLektion& trainerLektion);

    TEditorModell LMDListBox1;
    // The table as after the last load, new lesson, take-over or undo. While it is empty there
    // is no lesson in the editor.
    QStringList StrHolderUndo;
    QString GeladeneLektion;

    bool lektionImEditor() const { return !StrHolderUndo.isEmpty(); }
    // The table differs from what was last loaded, created, taken over or saved.
    bool geaendert() const;
    // The file the editor's lesson came from; empty when there is none.
    const QString& lektionsPfad() const { return m_lektionsPfad; }

    void FormShow();
    // The menu font as stored now; the default when there is none.
    TSchriftDaten menuSchrift() const;

    void LMDListBox1Click(int zeile);
    void LMDListBox1KeyDown(int taste);
    void lmdedit1KeyDown(int taste);
    void lmdedit2KeyDown(int taste);
    void LMDExplorerButton1Click();
    void NachObenBtnClick();
    void NachUntenBtnClick();
    void LoeschBtnClick();
    void LMDExplorerButton4Click();
    void Copy1Click();
    void Paste1Click();
    void EditorBtn2Click();
    void LektionLadenClick();
    void NeueLektionClick();
    void LektionuebernehmenClick();
    // Both return true when the table reached its file.
    bool speichernClick();
    bool SpeichernUnterClick();
    void AlleLektionenzeigenClick();
    // A word list of another trainer becomes the editor's lesson, unsaved, to review and save.
    void LektionImportierenClick(IImportWahl& wahl);
    // The editor's lesson as UTF-8 CSV or KVTML, by the chosen file's extension.
    void LektionExportierenClick();

    // "&Editor verlassen": true when the editor may go. Unsaved changes are offered for saving
    // first; otherwise the usual question when the editor's file exists.
    bool EditorBtn3Click();
    // The program ends: only unsaved changes are asked about.
    bool beendenErlaubt();

    void ZeileInFelder();
    void AufgabenNrAktualisieren();

private:
    bool geschuetzt();
    bool ersetzenErlaubt();
    bool tabelleLaden(const QString& pfad);
    // `moeglich` false: the file cannot be made at all; the usual error box follows.
    bool schreiben(const QString& pfad, const QStringList& zeilen, bool moeglich = true);
    void tabelleZeigen(const QStringList& zeilen, const QString& pfad);
    // After a load or a new lesson: the file becomes the editor's, row 0 is shown.
    void dateiUebernommen(const QString& pfad);
    bool aenderungenSichern();
    bool eintraegeLesen(const QString& pfad, IImportWahl& wahl, QList<TImportEintrag>& eintraege,
                        QStringList& hinweise);
    QString feldZeile() const;
    QString neueLektionsDatei() const;
    TDateiDialog lektionsDialog() const;
    void dateiFehler(const char* text, const QString& pfad);

    IEditorAnsicht& m_ansicht;
    TPlattform m_plattform;
    const TLaufDaten& m_lauf;
    const TOptionenModell& m_optionen;
    TEditorWerte& m_werte;
    const TLektion& m_trainerLektion;
    QString m_lektionsPfad;
    QStringList m_stand; // what the file holds as far as the editor knows
};
