// The program's pictures. Each is drawn in a design grid of its own and scaled to the size
// asked for; only the status bar's small pictures are drawn at their one size.
#include "TBilderZeichnung.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

using TZeichner = std::function<void(QPainter&)>;

// Draws in a fixed design grid of einheit x einheit units, scaled to the requested size.
QImage zeichne(int groesse, qreal einheit, const TZeichner& zeichner) {
    groesse = std::max(groesse, 1);
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse / einheit, groesse / einheit);
    zeichner(p);
    return bild;
}

QPen stift(const QColor& farbe, qreal breite) {
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with ruled lines; the grid is 24 units.
void blatt(QPainter& p, const QRectF& r, int zeilen) {
    p.setPen(stift(QColor(110, 110, 110), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(stift(QColor(150, 170, 210), 1.0));
    for (int i = 0; i < zeilen; ++i) {
        const qreal y = r.top() + 4 + i * 3;
        if (y > r.bottom() - 2)
            break;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void lektionen(QPainter& p) {
    blatt(p, QRectF(7.5, 2.5, 13, 16), 0);
    blatt(p, QRectF(5.5, 4.0, 13, 16), 0);
    blatt(p, QRectF(3.5, 5.5, 13, 16), 5);
}

void kontrolle(QPainter& p) {
    blatt(p, QRectF(4.5, 2.5, 14, 19), 6);
    QPainterPath haken;
    haken.moveTo(7, 12.5);
    haken.lineTo(11, 17);
    haken.lineTo(20.5, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(QColor(210, 20, 20), 3.0));
    p.drawPath(haken);
}

void drucker(QPainter& p) {
    // Paper in the feed.
    p.setPen(stift(QColor(110, 110, 110), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    // Body.
    QLinearGradient koerper(0, 9, 0, 19);
    koerper.setColorAt(0, QColor(200, 200, 205));
    koerper.setColorAt(1, QColor(120, 120, 130));
    p.setPen(stift(QColor(60, 60, 70), 1.0));
    p.setBrush(koerper);
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
    // Status light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 40));
    p.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
    // Printed sheet coming out.
    p.setPen(stift(QColor(110, 110, 110), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 15.5, 11, 6));
    p.setPen(stift(QColor(40, 40, 40), 1.0));
    p.drawLine(QPointF(8.5, 18), QPointF(15.5, 18));
    p.drawLine(QPointF(8.5, 20), QPointF(13, 20));
}

// The outline in the design grid, the same for every size; joining the teeth is costly, so it
// is done once.
QPainterPath zahnradUmriss() {
    const QPointF mitte(12, 12);
    QPainterPath rad;
    rad.addEllipse(mitte, 7, 7);
    QPainterPath zahn;
    zahn.addRoundedRect(QRectF(-2.2, -10.5, 4.4, 6), 1, 1);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(mitte.x(), mitte.y());
        t.rotate(i * 45.0);
        rad = rad.united(t.map(zahn));
    }
    QPainterPath loch;
    loch.addEllipse(mitte, 3, 3);
    return rad.subtracted(loch);
}

void zahnrad(QPainter& p) {
    static const QPainterPath rad = zahnradUmriss();
    QRadialGradient metall(QPointF(9, 9), 14);
    metall.setColorAt(0, QColor(220, 225, 235));
    metall.setColorAt(1, QColor(110, 120, 140));
    p.setPen(stift(QColor(60, 65, 80), 1.0));
    p.setBrush(metall);
    p.drawPath(rad);
}

void hilfe(QPainter& p) {
    QRadialGradient kugel(QPointF(9, 8), 14);
    kugel.setColorAt(0, QColor(110, 160, 255));
    kugel.setColorAt(1, QColor(20, 60, 190));
    p.setPen(stift(QColor(15, 40, 130), 1.0));
    p.setBrush(kugel);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    // Question mark as strokes, so it does not depend on installed fonts.
    QPainterPath bogen;
    bogen.moveTo(8.6, 9.2);
    bogen.cubicTo(8.6, 5.2, 15.6, 5.2, 15.6, 9.0);
    bogen.cubicTo(15.6, 11.6, 12, 11.8, 12, 14.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(Qt::white, 2.6));
    p.drawPath(bogen);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 18.2), 1.6, 1.6);
}

void beenden(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(QColor(200, 20, 20), 3.0));
    // Ring open at the top, with the bar through the gap.
    p.drawArc(QRectF(4, 4.5, 16, 16), 120 * 16, 300 * 16);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 11.5));
}

void zurueck(QPainter& p) {
    // An arrow bending back to the left.
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(QColor(20, 90, 40), 2.6));
    QPainterPath bogen;
    bogen.moveTo(7, 9);
    bogen.lineTo(14, 9);
    bogen.cubicTo(21, 9, 21, 20, 14, 20);
    bogen.lineTo(9, 20);
    p.drawPath(bogen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 90, 40));
    p.drawPolygon(QPolygonF({QPointF(2.5, 9), QPointF(9, 3.5), QPointF(9, 14.5)}));
}

// Blackboard with "A b c"; the grid is 64 units.
void tafel(QPainter& p) {
    // Wooden frame.
    p.setPen(stift(QColor(90, 50, 20), 2));
    p.setBrush(QColor(160, 100, 45));
    p.drawRoundedRect(QRectF(3, 7, 58, 46), 4, 4);
    // Board.
    QLinearGradient flaeche(0, 11, 0, 49);
    flaeche.setColorAt(0, QColor(40, 100, 60));
    flaeche.setColorAt(1, QColor(20, 70, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(flaeche);
    p.drawRect(QRectF(8, 12, 48, 36));
    // Legs.
    p.setPen(stift(QColor(90, 50, 20), 4));
    p.drawLine(QPointF(14, 54), QPointF(10, 61));
    p.drawLine(QPointF(50, 54), QPointF(54, 61));
    // Chalk writing.
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setPixelSize(19);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(QColor(245, 245, 235));
    p.drawText(QRectF(8, 12, 48, 36), Qt::AlignCenter, QStringLiteral("A b c"));
    // Chalk stick on the ledge.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(40, 49, 9, 2.5), 1, 1);
}

// A blue "i" in a light grey speech bubble; the grid is 32 units.
void info(QPainter& p) {
    QPainterPath blase;
    blase.addRoundedRect(QRectF(2.5, 2.5, 27, 21), 6, 6);
    QPainterPath spitze;
    spitze.moveTo(8, 21);
    spitze.lineTo(6, 29.5);
    spitze.lineTo(15, 21);
    spitze.closeSubpath();
    blase = blase.united(spitze);
    QLinearGradient grau(0, 2, 0, 30);
    grau.setColorAt(0, QColor(245, 245, 245));
    grau.setColorAt(1, QColor(205, 205, 210));
    p.setPen(stift(QColor(130, 130, 140), 1.0));
    p.setBrush(grau);
    p.drawPath(blase);

    const QColor blau(20, 70, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    p.drawEllipse(QPointF(16, 7.8), 2.2, 2.2);
    QPainterPath stamm;
    stamm.moveTo(13, 11);
    stamm.lineTo(17.8, 11);
    stamm.lineTo(17.8, 18.5);
    stamm.lineTo(19.5, 18.5);
    stamm.lineTo(19.5, 20.5);
    stamm.lineTo(12.5, 20.5);
    stamm.lineTo(12.5, 18.5);
    stamm.lineTo(14.2, 18.5);
    stamm.lineTo(14.2, 13);
    stamm.lineTo(13, 13);
    stamm.closeSubpath();
    p.drawPath(stamm);
}

// A light bulb: click it to see the solution; the grid is 32 units.
void loesung(QPainter& p) {
    // Rays.
    p.setPen(stift(QColor(255, 190, 0), 1.6));
    const QPointF mitte(16, 12);
    for (int i = 0; i < 7; ++i) {
        const qreal winkel = (180.0 + 30.0 * i) * std::numbers::pi / 180.0;
        const QPointF richtung(std::cos(winkel), std::sin(winkel));
        p.drawLine(mitte + richtung * 10.5, mitte + richtung * 13.5);
    }
    // Glass.
    QPainterPath glas;
    glas.moveTo(12.5, 22);
    glas.cubicTo(12.5, 18, 8, 16.5, 8, 12);
    glas.arcTo(QRectF(8, 4, 16, 16), 180, -180);
    glas.cubicTo(24, 16.5, 19.5, 18, 19.5, 22);
    glas.closeSubpath();
    QRadialGradient licht(QPointF(13.5, 9.5), 12);
    licht.setColorAt(0, QColor(255, 255, 210));
    licht.setColorAt(0.5, QColor(255, 235, 60));
    licht.setColorAt(1, QColor(235, 170, 0));
    p.setPen(stift(QColor(170, 120, 0), 1.0));
    p.setBrush(licht);
    p.drawPath(glas);
    // Screw base.
    QLinearGradient metall(12, 0, 20, 0);
    metall.setColorAt(0, QColor(120, 120, 130));
    metall.setColorAt(0.5, QColor(220, 220, 225));
    metall.setColorAt(1, QColor(110, 110, 120));
    p.setPen(stift(QColor(70, 70, 80), 0.8));
    p.setBrush(metall);
    p.drawRoundedRect(QRectF(12.5, 22, 7, 6), 1, 1);
    p.drawLine(QPointF(12.5, 24), QPointF(19.5, 24));
    p.drawLine(QPointF(12.5, 26), QPointF(19.5, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(14, 28, 4, 2), 1, 1);
}

// The status bar's four panels, 16 x 16: one letter or arrow, or two letters above each other
// with an arrow beside them.
QImage statusbild(int nummer) {
    struct Motiv {
        const char* oben;  // upper letter, or the whole motif
        const char* unten; // lower letter; empty: a single motif
    };
    const Motiv motive[] = {{"A", ""}, {"\u21bb", ""}, {"A", "Z"}, {"Z", "A"}};
    if (nummer < 1 || nummer > 4)
        return QImage();
    const Motiv& m = motive[nummer - 1];
    const QColor navy(0, 0, 128);
    auto schrift = [](int pixel) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(pixel);
        f.setBold(true);
        return f;
    };
    QImage bild(16, 16, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(navy);
    if (*m.unten == '\0') {
        maler.setFont(schrift(14));
        maler.drawText(bild.rect(), Qt::AlignCenter, QString::fromUtf8(m.oben));
    } else {
        maler.setFont(schrift(8));
        maler.drawText(QRect(0, 0, 9, 8), Qt::AlignCenter, QString::fromUtf8(m.oben));
        maler.drawText(QRect(0, 8, 9, 8), Qt::AlignCenter, QString::fromUtf8(m.unten));
        maler.drawLine(12, 2, 12, 13);
        maler.drawLine(12, 13, 10, 10);
        maler.drawLine(12, 13, 14, 10);
    }
    return bild;
}

TZeichner werkzeugZeichner(int nummer) {
    switch (nummer) {
    case 1:
        return lektionen;
    case 2:
        return kontrolle;
    case 3:
        return drucker;
    case 4:
        return zahnrad;
    case 5:
        return hilfe;
    case 6:
        return beenden;
    case 7:
        return zurueck;
    default:
        return {};
    }
}

} // namespace

QList<TBildVorlage> TBilderZeichnung::vorlagen() {
    QList<TBildVorlage> liste = {{QStringLiteral("programm"), {16, 24, 32, 48, 64, 128}},
                                 {QStringLiteral("info"), {32}},
                                 {QStringLiteral("loesung"), {32}}};
    for (int n = 1; n <= 7; ++n)
        liste.append({QStringLiteral("werkzeug%1").arg(n), {24, 48}});
    for (int n = 1; n <= 4; ++n)
        liste.append({QStringLiteral("status%1").arg(n), {16}});
    return liste;
}

QImage TBilderZeichnung::zeichnen(const QString& name, int groesse) {
    if (name == QLatin1String("programm"))
        return zeichne(groesse, 64, tafel);
    if (name == QLatin1String("info"))
        return zeichne(groesse, 32, info);
    if (name == QLatin1String("loesung"))
        return zeichne(groesse, 32, loesung);
    if (name.startsWith(QLatin1String("werkzeug"))) {
        const TZeichner zeichner = werkzeugZeichner(name.mid(8).toInt());
        return zeichner ? zeichne(groesse, 24, zeichner) : QImage();
    }
    if (name.startsWith(QLatin1String("status")) && groesse == 16)
        return statusbild(name.mid(6).toInt());
    return QImage();
}
