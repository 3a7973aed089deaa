#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <functional>

// Pictures drawn at run time, so the program ships no image files.
class TSymbole {
public:
    // A blue "i" in a light grey speech bubble.
    static QPixmap info(int groesse = 32);
    // A light bulb: click it to see the solution.
    static QPixmap loesung(int groesse = 32);
    // Toolbar buttons, 24x24 and 48x48, each size drawn when first needed: 1 lessons, 2 check,
    // 3 print, 4 settings, 5 help, 6 exit, 7 undo. Any other number gives a null icon.
    static QIcon werkzeug(int nummer);
    // The same, all sizes drawn at once.
    static QIcon werkzeugZeichnen(int nummer);
    // Blackboard with "A b c", each size drawn when a picture of it is first needed.
    static QIcon programm();
    // The same, drawn at once.
    static QIcon programmZeichnen();
    // An icon made by `bauen` when a picture of it is first asked for; `groessen` are the sizes
    // it will have.
    static QIcon spaet(std::function<QIcon()> bauen, QList<QSize> groessen);
};
