#include "printing/TBerichtLayout.h"

TBerichtObjekt* TBerichtLayout::objekt(const QString& name) {
    for (TBerichtBand* band : {&Seitenkopf, &Daten, &Seitenfuss})
        for (TBerichtObjekt& o : band->objekte)
            if (o.name == name)
                return &o;
    return nullptr;
}

const TBerichtObjekt* TBerichtLayout::objekt(const QString& name) const {
    return const_cast<TBerichtLayout*>(this)->objekt(name);
}

void TBerichtLayout::setzeText(const QString& name, const QString& text) {
    if (TBerichtObjekt* o = objekt(name)) {
        o->text = text;
        o->seitenNummerAuswerten = false;
    }
}

void TBerichtLayout::setzeFarben(const QString& name, TBerichtFarbe fuellung,
                                 TBerichtFarbe schrift) {
    if (TBerichtObjekt* o = objekt(name)) {
        o->gefuellt = true;
        o->fuellFarbe = fuellung;
        o->textFarbe = schrift;
    }
}
