#pragma once

#include "printing/TBerichtBand.h"

#include <QString>

// A banded page report: page header, one detail band printed once per record, page footer.
// The program finds its objects by name and sets texts and colours; the preparation takes
// what they hold at each record.
class TBerichtLayout {
public:
    TBerichtBand Seitenkopf;
    TBerichtBand Daten;
    TBerichtBand Seitenfuss;
    QString Titel; // shown by the preview

    // Null when no band holds an object of that name.
    TBerichtObjekt* objekt(const QString& name);
    const TBerichtObjekt* objekt(const QString& name) const;
    // The program's own text for a box: printed as it stands, brackets and all.
    void setzeText(const QString& name, const QString& text);
    void setzeFarben(const QString& name, TBerichtFarbe fuellung, TBerichtFarbe schrift);
};
