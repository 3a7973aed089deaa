#include "shell/ui/TFormPlacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

// The frame's share of each side; zero while the window has not been shown.
QMargins rahmen(const QWidget& fenster) {
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    return {innen.left() - aussen.left(), innen.top() - aussen.top(),
            aussen.right() - innen.right(), aussen.bottom() - innen.bottom()};
}

} // namespace

void TFormPlacement::Anwenden(QWidget& fenster, const TFensterPlatzierung& p) {
    if (p.rechteckGueltig()) {
        // Stored edges can be any integer: the frame lands on the desktop's free area.
        const QScreen* bildschirm = fenster.screen() ? fenster.screen() : qApp->primaryScreen();
        const QRect aussen =
            p.rechteckAuf(bildschirm ? bildschirm->availableVirtualGeometry() : QRect());
        // move() places the frame, resize() sizes the client area inside it.
        fenster.move(aussen.topLeft());
        fenster.resize(aussen.marginsRemoved(rahmen(fenster)).size());
    }
    const std::optional<TFensterPlatzierung::TZustand> zustand = p.zustand();
    if (!zustand)
        return;
    Qt::WindowStates s =
        fenster.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    switch (*zustand) {
    case TFensterPlatzierung::TZustand::Normal:
        break;
    case TFensterPlatzierung::TZustand::Maximiert:
        s |= Qt::WindowMaximized;
        break;
    case TFensterPlatzierung::TZustand::Minimiert:
        s |= Qt::WindowMinimized;
        if (p.Flags & TFensterPlatzierung::kWiederMaximiert)
            s |= Qt::WindowMaximized;
        break;
    }
    fenster.setWindowState(s);
}

TFensterPlatzierung TFormPlacement::Erfassen(const QWidget& fenster) {
    TFensterPlatzierung p;
    const Qt::WindowStates s = fenster.windowState();
    if (s & Qt::WindowMinimized) {
        p.ShowCmd = TFensterPlatzierung::kMinimiert;
        if (s & Qt::WindowMaximized)
            p.Flags |= TFensterPlatzierung::kWiederMaximiert;
    } else if (s & Qt::WindowMaximized) {
        p.ShowCmd = TFensterPlatzierung::kMaximiert;
    }
    p.PixelsPerInch = BildschirmPpi(fenster);

    // Outside the normal state only normalGeometry() still knows the normal client area; it
    // stays empty for a window that was never shown normal.
    const QRect normal = fenster.normalGeometry();
    if ((s & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) &&
        normal.isValid())
        p.normalRechteckSetzen(normal.marginsAdded(rahmen(fenster)));
    else
        p.normalRechteckSetzen(fenster.frameGeometry());
    return p;
}

int TFormPlacement::BildschirmPpi(const QWidget& fenster) {
    return fenster.logicalDpiY();
}
