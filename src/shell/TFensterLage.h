#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a small window goes when it is centred over the main window: the halves are integer
// divisions that drop the remainder towards zero, also for a window larger than the main one.
class TFensterLage {
public:
    static QPoint zentriert(const QRect& haupt, const QSize& eigen) {
        return {haupt.left() + (haupt.width() - eigen.width()) / 2,
                haupt.top() + (haupt.height() - eigen.height()) / 2};
    }
};
