#pragma once

#include <QString>

enum class TAntwortFarbe { InfoHintergrund, Weiss, Rot, Gruen };

// What the practice needs of the trainer page. The rules live in TLernTrainer; the page
// only shows what it is told.
class ITrainerAnsicht {
public:
    virtual ~ITrainerAnsicht() = default;

    virtual QString antwortText() const = 0;
    virtual void setzeAntwortText(const QString& text) = 0;
    virtual void antwortFokusUndLeeren() = 0;
    virtual void antwortAllesMarkieren() = 0;
    // Start of the selection, or the caret when nothing is selected.
    virtual int antwortEinfuegePosition() const = 0;
    virtual void setzeAntwortTextUndCursor(const QString& text, int cursor) = 0;
    virtual void setzeAntwortFarbe(TAntwortFarbe farbe) = 0;

    virtual void setzeAufgabenTitel(const QString& titel) = 0; // GroupBox1 and Lesetextlabel
    virtual void setzeFrage(const QString& frage) = 0;
    virtual void setzeVorschlaege(const QString& vorschlag1, const QString& vorschlag2) = 0;
    virtual void setzeFehlerzahl(qint64 fehlerzahl) = 0;

    virtual void setzeLektionsUeberschrift(const QString& name) = 0;
    virtual void setzeLektionsHinweis(const QString& pfad) = 0;
    virtual void setzeZahlDerAufgaben(const QString& text) = 0;
    virtual void setzeInfoText(const QString& text) = 0;

    // true: success bar and its caption instead of the user-name block.
    virtual void zeigeErfolg(bool erfolg) = 0;
    virtual void setzeErfolg(qint64 maximum, qint64 wert) = 0;

    // Modal windows; they return when closed.
    virtual void loesungZeigen(const QString& frage, const QString& antwort, bool lesemodus) = 0;
    virtual void urteilZeigen(const QString& text) = 0;

    // Texts that follow the address form.
    virtual void setzeZeichenfeldHinweise(const QString& hinweis) = 0;
    virtual void setzeLesemodusText(const QString& text) = 0;

    // Reading mode: suggestions instead of question and tiles.
    virtual void lesemodusLayout(bool normal) = 0;

    // Turns every tile to a random angle below `bereich` degrees.
    virtual void zeichenfelderDrehen(int bereich) = 0;
};
