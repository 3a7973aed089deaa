#pragma once

#include "printing/TBerichtObjekt.h"

#include <QList>
#include <QString>

enum class TBandArt { Seitenkopf, Daten, Seitenfuss };

struct TBerichtBand {
    QString name;
    TBandArt art = TBandArt::Daten;
    int hoehe = 0;
    QList<TBerichtObjekt> objekte;
};
