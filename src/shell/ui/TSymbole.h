#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The program's pictures. The build draws them with drawing code of our own
// (tools/TBilderZeichnung.cpp) and embeds them; here they are only taken out, each when it is
// first needed.
class TSymbole {
public:
    // One embedded picture at one of its sizes; a null pixmap for one that is not there.
    static QPixmap bild(const QString& name, int groesse);
    // A blue "i" in a light grey speech bubble, 32 x 32.
    static QPixmap info();
    // A light bulb, 32 x 32: click it to see the solution.
    static QPixmap loesung();
    // The status bar's panels, 16 x 16: 1 an upright "A", 2 a turning arrow, 3 "A" over "Z",
    // 4 "Z" over "A". Any other number gives a null pixmap.
    static QPixmap status(int nummer);
    // Toolbar buttons, 24x24 and 48x48, each size loaded when first needed: 1 lessons, 2 check,
    // 3 print, 4 settings, 5 help, 6 exit, 7 undo. Any other number gives a null icon.
    static QIcon werkzeug(int nummer);
    // Blackboard with "A b c", 16 to 128 pixels, each size loaded when first needed.
    static QIcon programm();
    // The application's icon, 256 pixels: the menu entry's PNG (resources/symbol), decoded by
    // the build; loaded when first needed.
    static QIcon anwendung();
};
