#pragma once

#include "lessons/ITrainerAnsicht.h"
#include "lessons/ITrainerMenues.h"
#include "lessons/TLektion.h"
#include "lessons/TLernSitzung.h"
#include "lessons/TOptionen.h"
#include "shell/TLaufDaten.h"
#include "shell/TOptionenModell.h"
#include "shell/TPlattform.h"

#include <QString>
#include <QStringList>
#include <functional>

// The practice loop without widgets: loading, presenting, checking, the live check, the
// solution display, the end of the lesson and the evaluation log. The handlers carry the names
// of the window events that call them.
class TLernTrainer {
public:
    TLernTrainer(ITrainerAnsicht& ansicht, ITrainerMenues& menues, TPlattform plattform,
                 TLaufDaten& lauf, TOptionenModell& optionen);

    // Shared with the start-up and the window; owned by whoever runs the program.
    TLaufDaten& Lauf;
    TOptionenModell& Optionen;

    TLektion Lektion;
    TLernSitzung Sitzung;
    QStringList LogStrHolder;
    QStringList StrHolderHistory;

    static QString anwendungsTitel();

    void LektionladenClick();
    void LektionEinlesen(const QString& pfad, bool inHistorie);
    void NaechsteAufgabeBtnClick();
    void PruefBtnClick();
    void LoesungAnzeigenImageClick();
    void EingabePruefen();
    // A click on a character tile: its caption goes in at the caret, like typing.
    void RzLabel1Click(const QString& beschriftung);
    bool BereitsBearbeitet();
    void KlangSpielen(int nummer);
    void FehlerResetClick();

    // Start-up: the evaluation log of the data directory, when there is one.
    void protokollLaden();
    // Writes the log when it holds records the file lacks; false when that fails.
    bool ProtokollSichern();
    void AuswertungClick();
    void Auswertungzurcksetzten1Click();

    void AntwortEditEnter();
    void AntwortEditExit();
    void AntwortEditMouseDown();
    void AntwortEditKeyDown(int taste, Qt::KeyboardModifiers modifikatoren);
    void AntwortEditKeyUp();

    void AntwortbeiderEingabeprfen1Click();
    void AnredemitDU1Click();

    void HistorieBeschriften();
    // `titel`: the caption of the clicked history entry as it stands in the menu.
    void LetztegeladeneLektion1Click(const QString& titel);

    void FehlerUebenClick();
    void FehlerLektionSpeichernClick();
    void VertauschenClick();
    void LesemodusMenuClick();
    void LesemodusUmschalten();
    void VorschlagClick(const QString& vorschlag);

    void NetzwerkLektionsPfadClick();
    void PrivatesLektionsverzeichnisClick();

    // Bumped by every presentation; a check compares it across its flash.
    quint64 vorlageNummer() const { return m_vorlage; }
    ITrainerMenues& menues() const { return m_menues; }
    bool pruefungLaeuft() const { return Sitzung.PruefungLaeuft; }
    // Called whenever a check has finished, after everything it set off.
    void setzePruefungsEnde(std::function<void()> rueckruf) {
        m_pruefungsEnde = std::move(rueckruf);
    }

private:
    void naechsteAufgabe();
    void AufgabeZeigen(qsizetype index);
    void pruefen();
    void AntwortMarkieren(TAntwortFarbe farbe, int klang);
    void fehlerErfassen(const QString& zeile);
    void lektionBeenden();
    void Auswerten();
    void historieVerschieben(const QString& pfad);
    QString protokollPfad() const;
    void keineLektion();
    void information(const QString& text);
    void dateiFehler(const QString& text, const QString& pfad);

    ITrainerAnsicht& m_ansicht;
    ITrainerMenues& m_menues;
    TPlattform m_plattform;
    quint64 m_vorlage = 0;
    QStringList m_protokollAufPlatte; // what auswertung.txt holds as far as this run knows
    std::function<void()> m_pruefungsEnde;
};
