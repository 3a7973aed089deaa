#pragma once

#include "printing/TBerichtLayout.h"

// The program's report layouts, as the windows' designs give them.
class TBerichtVorlagen {
public:
    // A4 portrait in pixels of 1/96 inch (210 x 297 mm), whole pixels.
    static constexpr int kSeitenBreite = 793;
    static constexpr int kSeitenHoehe = 1122;

    static constexpr TBerichtFarbe kNavy = 0x800000;
    static constexpr TBerichtFarbe kWeiss = 0xFFFFFF;
    static constexpr TBerichtFarbe kSchwarz = 0x000000;
    static constexpr TBerichtFarbe kGelb = 0x00FFFF;
    static constexpr TBerichtFarbe kHellgelb = 0x80FFFF;
    static constexpr TBerichtFarbe kSchattenGrau = 0x808080;

    // One lesson line per record, question and answer. `schatten`: the editor's copy, whose
    // rounded boxes cast a grey shadow.
    static TBerichtLayout lektionsBericht(bool schatten);
    // One lesson file per record: number, name, size, date.
    static TBerichtLayout lektionsListe();
};
