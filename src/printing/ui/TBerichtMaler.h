#pragma once

#include "printing/TFertigerBericht.h"

#include <QColor>
#include <QSize>

class QPagedPaintDevice;
class QPainter;

// Paints the pages of a prepared report. The painter's unit is one pixel of 1/96 inch with
// the origin at the top left of the printable area.
class TBerichtMaler {
public:
    static QColor farbe(TBerichtFarbe bbggrr);
    // Page `nummer` counts from 1 ("Seite [PAGE#]").
    static void seiteMalen(QPainter& maler, const TFertigerBericht& bericht,
                           const TSeitenBereich& seite, qsizetype nummer, QSize seitenGroesse);
    // Every page onto a paged device (printer or PDF), on its printable area.
    static void allesMalen(QPagedPaintDevice& geraet, const TFertigerBericht& bericht);
    // The printable area of the device in pixels of 1/96 inch.
    static QSize seitenGroesse(const QPagedPaintDevice& geraet);
    // Sets the painter up so that its unit is 1/96 inch of a device of that resolution.
    static void masstabSetzen(QPainter& maler, int dpi);
};
