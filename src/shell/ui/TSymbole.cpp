#include "shell/ui/TSymbole.h"

#include <QFont>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

namespace {

using TZeichner = std::function<void(QPainter&)>;

// Draws in a fixed design grid of einheit x einheit units, scaled to the requested size.
QPixmap zeichne(int groesse, qreal einheit, const TZeichner& zeichner) {
    groesse = std::max(groesse, 1);
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse / einheit, groesse / einheit);
    zeichner(p);
    return bild;
}

QIcon symbol(std::initializer_list<int> groessen, qreal einheit, const TZeichner& zeichner) {
    QIcon ergebnis;
    for (int g : groessen)
        ergebnis.addPixmap(zeichne(g, einheit, zeichner));
    return ergebnis;
}

// An icon that is only made when a picture of it is first asked for; until then it only
// knows its sizes. Window icons that the platform never shows cost nothing this way.
class TSpaetesSymbol : public QIconEngine {
public:
    TSpaetesSymbol(std::function<QIcon()> bauen, QList<QSize> groessen)
        : m_bauen(std::move(bauen)), m_groessen(std::move(groessen)) {}

    void paint(QPainter* maler, const QRect& rahmen, QIcon::Mode modus,
               QIcon::State zustand) override {
        fertig().paint(maler, rahmen, Qt::AlignCenter, modus, zustand);
    }
    // The inner icon is asked with a ratio of 1: the caller has already scaled the size by the
    // screen's ratio and sets the ratio of the result; asking with the application's ratio
    // would scale twice and pick a larger picture on high-density screens.
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return fertig().pixmap(groesse, 1.0, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return fertig().pixmap(groesse, 1.0, modus, zustand).size();
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override {
        if (m_fertig)
            return m_fertig->availableSizes(modus, zustand);
        // The pictures are added as normal, off.
        return modus == QIcon::Normal && zustand == QIcon::Off ? m_groessen : QList<QSize>();
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("TSpaetesSymbol"); }
    QIconEngine* clone() const override {
        auto* kopie = new TSpaetesSymbol(m_bauen, m_groessen);
        kopie->m_fertig = m_fertig;
        return kopie;
    }

private:
    QIcon& fertig() {
        if (!m_fertig)
            m_fertig = std::make_shared<QIcon>(m_bauen());
        return *m_fertig;
    }

    std::function<QIcon()> m_bauen;
    QList<QSize> m_groessen;
    std::shared_ptr<QIcon> m_fertig;
};

// An icon that draws each of its sizes only when a picture of that size is first asked for.
// It answers as an icon holding all sizes as normal, off pixmaps: the size picked for a
// request is the smallest whose area is at least the requested one, else the largest, and
// the other modes and states are made from that picture. The drawn pictures sit in a plain
// icon, which then picks the same one, because the best size is always among them.
class TGroessenSymbol : public QIconEngine {
public:
    TGroessenSymbol(std::function<QPixmap(int)> zeichnen, QList<int> groessen)
        : m_d(std::make_shared<TDaten>()) {
        m_d->zeichnen = std::move(zeichnen);
        m_d->groessen = std::move(groessen);
    }

    void paint(QPainter* maler, const QRect& rahmen, QIcon::Mode modus,
               QIcon::State zustand) override {
        const QPaintDevice* geraet = maler->device();
        const qreal dpr = geraet ? geraet->devicePixelRatio() : qApp->devicePixelRatio();
        maler->drawPixmap(rahmen, pixmap(rahmen.size() * dpr, modus, zustand));
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        const int g = wahl(groesse);
        if (!m_d->gezeichnete.contains(g)) {
            m_d->bilder.addPixmap(m_d->zeichnen(g));
            m_d->gezeichnete.append(g);
        }
        // A ratio of 1 asks the inner engine for exactly this size; the caller sets the ratio.
        return m_d->bilder.pixmap(groesse, 1.0, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode, QIcon::State) override {
        QSize ergebnis(wahl(groesse), wahl(groesse));
        if (ergebnis.width() > groesse.width() || ergebnis.height() > groesse.height())
            ergebnis.scale(groesse, Qt::KeepAspectRatio);
        return ergebnis;
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override {
        QList<QSize> ergebnis;
        if (modus == QIcon::Normal && zustand == QIcon::Off)
            for (int g : m_d->groessen)
                ergebnis.append(QSize(g, g));
        return ergebnis;
    }
    bool isNull() override { return m_d->groessen.isEmpty(); }
    QString key() const override { return QStringLiteral("TGroessenSymbol"); }
    QIconEngine* clone() const override {
        auto* kopie = new TGroessenSymbol(*this);
        return kopie;
    }

private:
    struct TDaten {
        std::function<QPixmap(int)> zeichnen;
        QList<int> groessen;
        QList<int> gezeichnete;
        QIcon bilder;
    };

    int wahl(const QSize& groesse) const {
        const qint64 flaeche = qint64(groesse.width()) * groesse.height();
        int kleinsteGenuegende = 0, groesste = 0;
        for (int g : m_d->groessen) {
            if (qint64(g) * g >= flaeche && (kleinsteGenuegende == 0 || g < kleinsteGenuegende))
                kleinsteGenuegende = g;
            groesste = std::max(groesste, g);
        }
        return kleinsteGenuegende ? kleinsteGenuegende : groesste;
    }

    // Shared by the copies, so a picture is drawn once for all of them.
    std::shared_ptr<TDaten> m_d;
};

QIcon groessenweise(QList<int> groessen, qreal einheit, TZeichner zeichner) {
    return QIcon(new TGroessenSymbol(
        [einheit, zeichner = std::move(zeichner)](int g) { return zeichne(g, einheit, zeichner); },
        std::move(groessen)));
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

} // namespace

QPixmap TSymbole::info(int groesse) {
    return zeichne(groesse, 32, [](QPainter& p) {
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
    });
}

QPixmap TSymbole::loesung(int groesse) {
    return zeichne(groesse, 32, [](QPainter& p) {
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
    });
}

namespace {

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

QIcon TSymbole::werkzeug(int nummer) {
    TZeichner zeichner = werkzeugZeichner(nummer);
    if (!zeichner)
        return QIcon();
    return groessenweise({24, 48}, 24, std::move(zeichner));
}

QIcon TSymbole::werkzeugZeichnen(int nummer) {
    const TZeichner zeichner = werkzeugZeichner(nummer);
    if (!zeichner)
        return QIcon();
    return symbol({24, 48}, 24, zeichner);
}

QIcon TSymbole::spaet(std::function<QIcon()> bauen, QList<QSize> groessen) {
    return QIcon(new TSpaetesSymbol(std::move(bauen), std::move(groessen)));
}

QIcon TSymbole::programm() {
    return groessenweise({16, 24, 32, 48, 64, 128}, 64, tafel);
}

QIcon TSymbole::programmZeichnen() {
    return symbol({16, 24, 32, 48, 64, 128}, 64, tafel);
}
