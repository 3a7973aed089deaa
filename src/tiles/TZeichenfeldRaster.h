#pragma once

#include <QPoint>
#include <array>

// Where the boxes end and the 91 tiles stand for a given size of the trainer page. Tile 1 is the
// anchor; every other tile follows from a column and a row step.
class TZeichenfeldRaster {
public:
    static constexpr int kSpalten = 13;
    static constexpr int kZeilen = 7;
    static constexpr int kFelder = kSpalten * kZeilen;

    // Defaults are the designed values of the main window.
    struct TEingabe {
        int seitenBreite = 785;
        int seitenHoehe = 571;
        int statusLeistenHoehe = 31;
        int linksGroupBox1 = 241;
        int linksGroupBox2 = 240;
        int linksAntwortEdit = 12; // within GroupBox2
        QPoint feld1{239, 260};
    };

    struct TErgebnis {
        int breiteGroupBox1 = 0;
        int breiteGroupBox2 = 0;
        int breiteGroupBox3und4 = 0;
        int breiteAntwortEdit = 0;
        int spaltenSchritt = 0;
        int zeilenSchritt = 0;
        std::array<QPoint, kFelder> felder; // index 0 is tile 1
    };

    static TErgebnis berechnen(const TEingabe& eingabe);
};
