#pragma once

#include <QCursor>

// The cross-hair in a circle shown over the character tiles.
class TFadenkreuz {
public:
    // Drawn on first use; needs the application object.
    static QCursor cursor();
};
