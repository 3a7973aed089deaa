#include "tiles/ui/TZeichenfeld.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TZeichenfeld::TZeichenfeld(int nummer, QWidget* eltern) : QWidget(eltern), m_nummer(nummer) {
    setObjectName(QStringLiteral("RzLabel%1").arg(nummer));
    resize(32, 32);
    // Reached with Tab, not taken by a click: the mouse leaves the focus in the answer field.
    setFocusPolicy(Qt::TabFocus);
}

void TZeichenfeld::keyPressEvent(QKeyEvent* ereignis) {
    // Space on a focused tile does what a click does.
    if (ereignis->key() == Qt::Key_Space && !ereignis->isAutoRepeat()) {
        emit geklickt(this);
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void TZeichenfeld::setzeText(const QString& text) {
    m_text = text;
    update();
}

void TZeichenfeld::setzeWinkel(int winkel) {
    m_winkel = ((winkel % 360) + 360) % 360;
    update();
}

void TZeichenfeld::setzeHintergrund(const QColor& farbe) {
    m_hintergrund = farbe;
    update();
}

void TZeichenfeld::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), m_hintergrund);
    maler.setPen(Qt::black);
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
    maler.setRenderHint(QPainter::TextAntialiasing);
    // Every font can be drawn turned here, so a turned tile needs no switch to "Arial".
    maler.setFont(font());
    maler.setPen(palette().color(QPalette::WindowText));
    maler.translate(width() / 2.0, height() / 2.0);
    maler.rotate(-m_winkel); // counter-clockwise
    const QRectF feld(-width() / 2.0, -height() / 2.0, width(), height());
    maler.drawText(feld, Qt::AlignCenter, m_text);
    if (hasFocus()) {
        maler.resetTransform();
        QPen stift(palette().color(QPalette::Highlight), 2);
        maler.setPen(stift);
        maler.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TZeichenfeld::mousePressEvent(QMouseEvent* ereignis) {
    emit gedrueckt(this);
    QWidget::mousePressEvent(ereignis);
}

void TZeichenfeld::contextMenuEvent(QContextMenuEvent* ereignis) {
    emit kontextmenue(this, ereignis->globalPos());
}

void TZeichenfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit geklickt(this);
}
