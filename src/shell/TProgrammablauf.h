#pragma once

#include "shell/TPlattform.h"
#include "shell/TTippsDatei.h"

#include <QString>
#include <QStringList>

class IProgrammFenster;
class ITrainerAnsicht;
class TLernTrainer;
class TOptionenModell;
struct TLaufDaten;

// Start-up, the application of the settings and shutdown, without widgets. The handlers carry
// the names of the window events that call them.
class TProgrammablauf {
public:
    // What a shutdown writes; `beendenPlan` is the one place that decides it.
    struct TBeendenPlan {
        bool Platzierung = true;
        bool Protokoll = true;
        bool Einstellungen = true;
        bool Tasten = true;
    };

    TProgrammablauf(IProgrammFenster& fenster, ITrainerAnsicht& seite, TLernTrainer& trainer,
                    TPlattform plattform, TLaufDaten& lauf, TOptionenModell& optionen);

    // The start-up sequence, with the window on screen; ends with the name prompt.
    void FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                    const QStringList& shellOrdner, const QString& ausweichVerzeichnis);
    void EinstellungenLaden(const QString& pfad);
    // "&Administrator-Modus aktivieren": after its question, the teacher's files rule the run.
    void AdministratorModusClick();
    // Asks before the window may close; then the placement is written.
    bool FormCloseQuery();
    void FormClose();
    TBeendenPlan beendenPlan() const;

    TTippsDatei& tipps() { return m_tipps; } // without a path: no tips file
    QString hilfeDatei() const;
    void speicherFehler();

private:
    void TippsBeimStart();
    void namenErfragen();

    IProgrammFenster& m_fenster;
    ITrainerAnsicht& m_seite;
    TLernTrainer& m_trainer;
    TPlattform m_plattform;
    TLaufDaten& m_lauf;
    TOptionenModell& m_optionen;
    TTippsDatei m_tipps{QString()};
};
