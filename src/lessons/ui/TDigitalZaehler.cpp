#include "lessons/ui/TDigitalZaehler.h"

#include <QPalette>

#include <algorithm>

TDigitalZaehler::TDigitalZaehler(QWidget* eltern) : QLCDNumber(kStellen, eltern) {
    setSegmentStyle(QLCDNumber::Flat);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, QColor(255, 0, 0));
    farben.setColor(QPalette::Window, QColor(0, 0, 0));
    farben.setColor(QPalette::Base, QColor(0, 0, 0));
    setPalette(farben);
    setAutoFillBackground(true);
    zeigeZahl(0);
}

void TDigitalZaehler::zeigeZahl(qint64 n) {
    const QString ziffern = QString::number(std::max<qint64>(n, 0));
    const int stellen = std::max<int>(kStellen, ziffern.size());
    // QLCDNumber silently drops digits that do not fit, so widen first.
    if (digitCount() != stellen)
        setDigitCount(stellen);
    m_text = ziffern.rightJustified(stellen, QLatin1Char('0'));
    display(m_text);
}
