#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The program's pictures, drawn by code of our own. The build draws each of them once, at the
// sizes the program shows, and embeds the result; the program only loads them.
struct TBildVorlage {
    QString name;
    QList<int> groessen;
};

namespace TBilderZeichnung {

// Every picture the program shows, with the sizes it asks for.
QList<TBildVorlage> vorlagen();
// One picture, square, premultiplied; a null image for a name it does not know.
QImage zeichnen(const QString& name, int groesse);

} // namespace TBilderZeichnung
