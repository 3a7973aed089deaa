#pragma once

#include <QString>
#include <QtGlobal>

// A font as the settings store it, kept free of the GUI so the core can read and write it.
// The defaults are those of the menu font: Arial, 12 points, black, regular, default pitch.
struct TSchriftDaten {
    enum class TAbstand { Standard, Variabel, Fest };

    QString Name = QStringLiteral("Arial");
    // 0xSSBBGGRR: SS is 0x00 for a plain colour, 0x80 for a system colour numbered in the low byte.
    quint32 Farbe = 0x00000000;
    int Groesse = 12; // points
    TAbstand Abstand = TAbstand::Standard;
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    bool Durchgestrichen = false;

    bool operator==(const TSchriftDaten&) const = default;
};
