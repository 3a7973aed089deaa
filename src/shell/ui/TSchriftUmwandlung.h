#pragma once

#include "shell/TSchriftDaten.h"

#include <QColor>
#include <QFont>

// Stored fonts and colours as the widgets use them.
class TSchriftUmwandlung {
public:
    static QFont schrift(const TSchriftDaten& daten);
    // 0x00BBGGRR colours directly; system colours from the application palette.
    static QColor farbe(quint32 wert);
};
