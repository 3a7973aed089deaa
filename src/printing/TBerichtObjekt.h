#pragma once

#include <QString>
#include <QtGlobal>

// Colours are stored as the layouts give them: 0xBBGGRR.
using TBerichtFarbe = quint32;

enum class TAusrichtung { Links, Mitte, Rechts };

// One named box of a report band. Positions and sizes are in pixels of 1/96 inch, the top
// measured from the top of the band; fonts in points.
struct TBerichtObjekt {
    QString name;
    int links = 0;
    int oben = 0;
    int breite = 0;
    int hoehe = 0;

    QString text;
    // Only texts of the layout itself may hold "[PAGE#]"; what the program puts into a box is
    // printed as it stands.
    bool seitenNummerAuswerten = false;

    QString schriftart;
    int punkte = 10;
    bool fett = false;
    TBerichtFarbe textFarbe = 0x000000;

    bool gefuellt = false;
    TBerichtFarbe fuellFarbe = 0xFFFFFF;
    // The detail band's background: filled on odd records (1, 3, ...) only.
    bool ungeradeFuellen = false;
    TBerichtFarbe ungeradeFarbe = 0xFFFFFF;

    TAusrichtung ausrichtung = TAusrichtung::Links;
    bool wortUmbruch = false;
    bool autoBreite = false;

    bool linieUnten = false;
    bool linieOben = false;
    bool linieObenGepunktet = false;
    int linieObenStaerke = 1;
    bool abgerundet = false;
    bool schatten = false;
};
