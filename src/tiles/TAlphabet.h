#pragma once

#include <QString>
#include <QStringList>

// Captions of the letter tiles 1 to 52 in both sort orders, and the fixed captions of tiles 53
// to 78.
class TAlphabet {
public:
    static QStringList aufsteigend();
    static QStringList absteigend();
    // Tiles 53 to 78; an empty text for any other number.
    static QString festeBeschriftung(int n);
};
