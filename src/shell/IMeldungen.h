#pragma once

#include <QString>
#include <QStringList>

// Modal message boxes, the text-input box and the file dialogs. Windows get this by
// constructor so that tests can record every box and answer it from a script.
// Schlicht: a box with the text and OK only, no symbol.
enum class TMeldungsArt { Information, Warnung, Fehler, Schlicht };
enum class TFrageArt { OkAbbrechen, JaNein };

struct TDateiDialog {
    QString titel;          // empty: the platform's default title
    QString verzeichnis;    // initial directory
    QString filter;         // in the "Beschreibung|Muster" form, e.g. "Lektionen  (*.txt)|*.txt"
    QString vorgabeName;    // preset file name
    QString standardEndung; // default extension, e.g. "*.txt"
};

class IMeldungen {
public:
    virtual ~IMeldungen() = default;
    virtual void meldung(TMeldungsArt art, const QString& titel, const QString& text) = 0;
    // True only for OK or Ja.
    virtual bool frage(TFrageArt art, const QString& titel, const QString& text) = 0;
    // A question with buttons of its own: the index of the button pressed. The last button
    // is also the answer to Escape and to closing the box.
    virtual int auswahl(const QString& titel, const QString& text, const QStringList& knoepfe) = 0;
    // Returns false when cancelled; then `wert` is left alone.
    virtual bool texteingabe(const QString& titel, const QString& aufforderung, QString& wert) = 0;
    // Empty result: cancelled.
    virtual QString dateiOeffnen(const TDateiDialog& dialog) = 0;
    virtual QString dateiSpeichern(const TDateiDialog& dialog) = 0;
    // `hinweis`: the instruction shown above the folders.
    virtual QString ordnerWaehlen(const QString& titel, const QString& hinweis,
                                  const QString& start) = 0;
};
