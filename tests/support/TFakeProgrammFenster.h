#pragma once

#include "shell/IProgrammFenster.h"
#include "shell/TTippsDatei.h"

#include <QStringList>

// Notes what the start-up and shutdown show, and gives back what a test put in.
class TFakeProgrammFenster : public IProgrammFenster {
public:
    void fensterZeigen() override { gezeigt = true; }
    void setzeTitel(const QString& t) override { titel = t; }
    int bildschirmPpi() const override { return 96; }
    void platzierungAnwenden(const TFensterPlatzierung& l) override { lage = l; }
    TFensterPlatzierung platzierungErfassen() const override { return lage; }
    void setzeMenuSchrift(const TSchriftDaten& s) override { menuSchrift = s; }
    void setzeFeldSchrift(const TSchriftDaten& s) override { feldSchrift = s; }
    void zeichenfelderVorbereiten() override { vorbereitet = true; }
    QStringList sonderzeichen() const override { return tasten; }
    void setzeSonderzeichen(const QStringList& b) override { tasten = b; }
    QStringList historienTitel() const override { return historie; }
    void setzeBenutzerName(const QString& n) override { benutzer = n; }
    void antwortfeldZeigen() override {}
    void tippsZeigen(TTippsDatei& datei) override { tipps.append(datei.pfad()); }
    void hilfeSchliessen() override { hilfeGeschlossen = true; }
    void sperren(TSperre was) override { gesperrt.append(was); }

    bool gezeigt = false;
    bool vorbereitet = false;
    bool hilfeGeschlossen = false;
    QString titel;
    QString benutzer;
    TFensterPlatzierung lage;
    TSchriftDaten menuSchrift;
    TSchriftDaten feldSchrift;
    QStringList tasten;
    QStringList historie;
    QStringList tipps;
    QList<TSperre> gesperrt;
};
