#include "lessons/ui/TErfolgsBalken.h"

#include "lessons/TAuswertung.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <algorithm>

namespace {
constexpr int kRand = 2; // width of the bevel
}

TErfolgsBalken::TErfolgsBalken(QWidget* eltern) : QWidget(eltern) {}

void TErfolgsBalken::setzeWerte(qint64 maximum, qint64 wert) {
    m_maximum = maximum;
    m_wert = wert;
    // The rate of "maximum - wert" errors out of maximum is exactly wert / maximum, clamped.
    const int neu = TAuswertung::erfolgsquote(maximum, maximum - wert);
    if (neu != m_prozent) {
        m_prozent = neu;
        update();
    }
}

QColor TErfolgsBalken::gradientFarbe(int stufe) {
    stufe = std::clamp(stufe, 0, kStufen - 1);
    const int gruen = (255 * stufe + (kStufen - 1) / 2) / (kStufen - 1);
    return QColor(255 - gruen, gruen, 0);
}

void TErfolgsBalken::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false, nullptr);

    const QRect innen = rect().adjusted(kRand, kRand, -kRand, -kRand);
    if (innen.isEmpty())
        return;
    p.fillRect(innen, palette().color(QPalette::Button));

    // The gradient always spans the full inner width; the fill only uncovers its left part.
    const int gefuellt = innen.width() * m_prozent / 100;
    if (gefuellt > 0) {
        p.save();
        p.setClipRect(QRect(innen.left(), innen.top(), gefuellt, innen.height()));
        for (int i = 0; i < kStufen; ++i) {
            const int von = innen.width() * i / kStufen;
            const int bis = innen.width() * (i + 1) / kStufen;
            if (bis > von)
                p.fillRect(innen.left() + von, innen.top(), bis - von, innen.height(),
                           gradientFarbe(i));
        }
        p.restore();
    }

    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPixelSize(13);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(Qt::black);
    p.drawText(innen, Qt::AlignCenter, QStringLiteral("%1 %").arg(m_prozent));
}
