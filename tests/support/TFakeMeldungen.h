#pragma once

#include "shell/IMeldungen.h"

#include <QList>
#include <QQueue>
#include <QString>

// Records every box and answers from a script. A box the test did not take, or a question or
// dialog without a scripted answer, is left in `offen()` so that the test's cleanup fails.
class TFakeMeldungen : public IMeldungen {
public:
    struct TBox {
        QString art; // "Information", "Warnung", "Fehler", "Schlicht", "OkAbbrechen", "JaNein",
                     // "Auswahl", "Eingabe", "Oeffnen", "Speichern", "Ordner"
        QString titel;
        QString text;
        TDateiDialog dialog;
        QStringList knoepfe = {}; // "Auswahl" only
    };

    void meldung(TMeldungsArt art, const QString& titel, const QString& text) override;
    bool frage(TFrageArt art, const QString& titel, const QString& text) override;
    int auswahl(const QString& titel, const QString& text, const QStringList& knoepfe) override;
    bool texteingabe(const QString& titel, const QString& aufforderung, QString& wert) override;
    QString dateiOeffnen(const TDateiDialog& dialog) override;
    QString dateiSpeichern(const TDateiDialog& dialog) override;
    QString ordnerWaehlen(const QString& titel, const QString& hinweis,
                          const QString& start) override;

    // Scripted answers, used in order.
    QQueue<bool> antworten;
    QQueue<int> auswahlen;     // button indexes for auswahl()
    QQueue<QString> eingaben;  // a null QString cancels
    QQueue<QString> dateien;   // file and folder dialogs; empty cancels
    int fehlendeAntworten = 0; // questions asked without a scripted answer

    // Takes the oldest recorded box; an empty box when there is none.
    TBox nimm();
    bool leer() const { return m_boxen.isEmpty() && fehlendeAntworten == 0; }
    QList<TBox> offen() const { return m_boxen; }
    qsizetype anzahl() const { return m_boxen.size(); }
    void vergessen() { m_boxen.clear(); }

private:
    QList<TBox> m_boxen;
};
