#include "tiles/ui/TFadenkreuz.h"

#include <QBitmap>
#include <QPainter>

namespace {

constexpr int kGroesse = 32;
constexpr int kMitte = 15;
constexpr int kRadius = 7; // a circle of 15 pixels
constexpr int kArm = 12;   // the cross reaches beyond the circle

void zeichnen(QBitmap& bild, int stiftBreite) {
    bild.fill(Qt::color0);
    QPainter maler(&bild);
    maler.setPen(QPen(Qt::color1, stiftBreite, Qt::SolidLine, Qt::SquareCap));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(QPoint(kMitte, kMitte), kRadius, kRadius);
    maler.drawLine(kMitte, kMitte - kArm, kMitte, kMitte + kArm);
    maler.drawLine(kMitte - kArm, kMitte, kMitte + kArm, kMitte);
}

QCursor erzeugen() {
    // Black lines; the wider mask leaves a white rim so the cursor shows on dark ground too.
    QBitmap linien(kGroesse, kGroesse);
    zeichnen(linien, 1);
    QBitmap maske(kGroesse, kGroesse);
    zeichnen(maske, 3);
    return QCursor(linien, maske, kMitte, kMitte);
}

} // namespace

QCursor TFadenkreuz::cursor() {
    // Never destroyed: freeing its bitmaps after the application object is gone is not safe.
    static const QCursor* const kreuz = new QCursor(erzeugen());
    return *kreuz;
}
