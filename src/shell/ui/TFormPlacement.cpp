#include "shell/ui/TFormPlacement.h"

#include <QEvent>
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

// A window manager frames a window only after it is on screen. Until then its frame is unknown,
// and the stored frame would be taken as the client area: the window would grow by its frame and
// creep upwards at every start. So the placement is made once more when the frame turns up.
class TRahmenNachtrag : public QObject {
public:
    TRahmenNachtrag(QWidget& fenster, const QRect& aussen) : QObject(&fenster), m_aussen(aussen) {
        fenster.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        switch (ereignis->type()) {
        // The frame shows up without an event of its own, and on a busy machine late: one of
        // these follows it. Looking costs a subtraction, also when no frame ever comes.
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
        case QEvent::WindowActivate:
        case QEvent::ActivationChange:
        case QEvent::WindowUnblocked:
        case QEvent::Enter:
        case QEvent::UpdateRequest:
        case QEvent::Paint:
            break;
        default:
            return false;
        }
        auto* fenster = static_cast<QWidget*>(objekt);
        const QMargins r = rahmen(*fenster);
        if (r.isNull())
            return false;
        fenster->removeEventFilter(this);
        deleteLater();
        if (!(fenster->windowState() &
              (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
            fenster->move(m_aussen.topLeft());
            fenster->resize(m_aussen.marginsRemoved(r).size());
        }
        return false;
    }

private:
    QRect m_aussen;
};

} // namespace

void TFormPlacement::Anwenden(QWidget& fenster, const TFensterPlatzierung& p) {
    if (p.rechteckGueltig()) {
        // Stored edges can be any integer: the frame lands on the desktop's free area.
        const QScreen* bildschirm = fenster.screen() ? fenster.screen() : qApp->primaryScreen();
        const QRect aussen =
            p.rechteckAuf(bildschirm ? bildschirm->availableVirtualGeometry() : QRect());
        // move() places the frame, resize() sizes the client area inside it.
        const QMargins r = rahmen(fenster);
        fenster.move(aussen.topLeft());
        fenster.resize(aussen.marginsRemoved(r).size());
        if (r.isNull())
            new TRahmenNachtrag(fenster, aussen);
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
