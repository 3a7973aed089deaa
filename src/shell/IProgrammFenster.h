#pragma once

#include "shell/TFensterPlatzierung.h"
#include "shell/TSchriftDaten.h"

#include <QString>
#include <QStringList>

class TTippsDatei;

// What administrator mode locks in the main window.
enum class TSperre { Editor, Einstellungen, Drucken, Lesemodus };

// What the start-up and shutdown need of the main window; the window only shows the results.

class IProgrammFenster {
public:
    virtual ~IProgrammFenster() = default;

    virtual void fensterZeigen() = 0;
    virtual void setzeTitel(const QString& titel) = 0;
    virtual int bildschirmPpi() const = 0;
    virtual void platzierungAnwenden(const TFensterPlatzierung& lage) = 0;
    virtual TFensterPlatzierung platzierungErfassen() const = 0;

    virtual void setzeMenuSchrift(const TSchriftDaten& schrift) = 0;
    virtual void setzeFeldSchrift(const TSchriftDaten& schrift) = 0;

    // Crosshair cursor and ascending letters on the tiles.
    virtual void zeichenfelderVorbereiten() = 0;
    virtual QStringList sonderzeichen() const = 0; // captions of tiles 79 to 91
    virtual void setzeSonderzeichen(const QStringList& beschriftungen) = 0;
    // The captions of the five history entries as the menu holds them.
    virtual QStringList historienTitel() const = 0;

    virtual void setzeBenutzerName(const QString& name) = 0;
    virtual void antwortfeldZeigen() = 0;
    // Modal; returns when the tips window is closed.
    virtual void tippsZeigen(TTippsDatei& tipps) = 0;
    virtual void hilfeSchliessen() = 0;
    // Disables the command or every item of the menu, for the rest of the run.
    virtual void sperren(TSperre was) = 0;
};
