#pragma once

#include "printing/TBerichtLayout.h"
#include "printing/TSeitenaufteilung.h"

#include <QList>
#include <QString>

// What the program may change in an object, as it stood when a record was taken.
struct TObjektZustand {
    QString text;
    TBerichtFarbe textFarbe = 0;
    TBerichtFarbe fuellFarbe = 0;
    TBerichtFarbe ungeradeFarbe = 0;
    bool gefuellt = false;
    bool seitenNummerAuswerten = false;

    static TObjektZustand von(const TBerichtObjekt& o) {
        return {o.text,          o.textFarbe, o.fuellFarbe,
                o.ungeradeFarbe, o.gefuellt,  o.seitenNummerAuswerten};
    }
    bool operator==(const TObjektZustand&) const = default;
};
using TBandZustand = QList<TObjektZustand>;

// One record: its detail band, and the header and footer as they stood then (shared with the
// record before when nothing changed, so a long report keeps one copy).
struct TDatensatzBild {
    TBandZustand kopf;
    TBandZustand daten;
    TBandZustand fuss;
};

// A report ready for the preview: the layout's geometry and look and every record's contents.
class TFertigerBericht {
public:
    TBerichtLayout Layout;
    QList<TDatensatzBild> Datensaetze;

    QString titel() const { return Layout.Titel; }
    // The pages for a printable area of that height (pixels of 1/96 inch).
    QList<TSeitenBereich> seiten(int seitenHoehe) const;
    // The header and footer of a page come from its first record (the layout as it stands
    // when there is none).
    TBandZustand kopfZustand(const TSeitenBereich& seite) const;
    TBandZustand fussZustand(const TSeitenBereich& seite) const;
    // "[PAGE#]" in a layout's own text becomes the page number, counted from 1.
    static QString seitenText(const TObjektZustand& zustand, qsizetype seitenNummer);

    static TBandZustand zustand(const TBerichtBand& band);
};
