#pragma once

#include "lessons/ITrainerAnsicht.h"
#include "lessons/TLektion.h"
#include "lessons/TLernSitzung.h"
#include "lessons/TOptionen.h"
#include "shell/TPlattform.h"

#include <QString>
#include <QStringList>

// The practice loop without widgets: loading, presenting, checking, the live check, the
// solution display, the end of the lesson and the evaluation log. The handlers carry the names
// of the window events that call them.
class TLernTrainer {
public:
    TLernTrainer(ITrainerAnsicht& ansicht, TPlattform plattform);

    // Run-wide values (set at start-up).
    QString ProgrammVerzeichnis;
    QString DatenVerzeichnis;
    QString LektionsVerzeichnis;
    QString BenutzerName = QStringLiteral("unbekannt");
    QString VersionsZusatz = QStringLiteral(" V3.5b ");
    bool AdminModusAktiv = false;

    TLektion Lektion;
    TLernSitzung Sitzung;
    TOptionen Optionen;
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
    TPlattform m_plattform;
    quint64 m_vorlage = 0;
    QStringList m_protokollAufPlatte; // what auswertung.txt holds as far as this run knows
};
