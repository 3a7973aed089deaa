#pragma once

#include "shell/TFensterPlatzierung.h"

class QWidget;

// Takes a window's placement for the placement file and gives it back on the next start.
class TFormPlacement {
public:
    // The normal rectangle when it is valid, then the stored state. The window's visibility is
    // left as it is, so a hidden window stays hidden until it is shown.
    static void Anwenden(QWidget& fenster, const TFensterPlatzierung& p);
    static TFensterPlatzierung Erfassen(const QWidget& fenster);
    // The resolution the file is written with; reading has to compare against the same value.
    static int BildschirmPpi(const QWidget& fenster);
};
