#include "printing/ui/TBerichtMaler.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kRundung = 5;         // quarter ellipses of 10 x 10 pixels
constexpr int kSchattenVersatz = 6; // the shadow lies this far right and down
const QColor kSchatten(0x80, 0x80, 0x80);

QFont schrift(const TBerichtObjekt& o, const QPainter& maler) {
    QFont f(o.schriftart);
    // Points of the layout on a 1/96-inch grid, whatever the device's resolution.
    const int dpi = maler.device() ? maler.device()->logicalDpiY() : 96;
    f.setPointSizeF(o.punkte * 96.0 / dpi);
    f.setBold(o.fett);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

Qt::Alignment ausrichtung(const TBerichtObjekt& o) {
    switch (o.ausrichtung) {
    case TAusrichtung::Mitte:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TAusrichtung::Rechts:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TAusrichtung::Links:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// An auto-width box follows its text (measured on the device the font was sized for), anchored at
// the side its alignment names, and stays on the page.
QRectF kasten(const QPainter& maler, const TBerichtObjekt& o, const QString& text, const QFont& f,
              int oben, int seitenBreite) {
    QRectF r(o.links, oben + o.oben, o.breite, o.hoehe);
    if (!o.autoBreite || text.isEmpty())
        return r;
    const qreal breite =
        std::min<qreal>(QFontMetricsF(f, maler.device()).horizontalAdvance(text) + 4, seitenBreite);
    switch (o.ausrichtung) {
    case TAusrichtung::Links:
        r.setWidth(breite);
        break;
    case TAusrichtung::Rechts:
        r.setLeft(r.right() - breite);
        break;
    case TAusrichtung::Mitte:
        r = QRectF(r.center().x() - breite / 2, r.top(), breite, r.height());
        break;
    }
    if (r.left() < 0)
        r.moveLeft(0);
    if (r.right() > seitenBreite)
        r.moveRight(seitenBreite);
    return r;
}

void objektMalen(QPainter& maler, const TBerichtObjekt& o, const QFont& f, const TObjektZustand& z,
                 const QString& text, int oben, qsizetype datensatz, int seitenBreite) {
    QRectF r = kasten(maler, o, text, f, oben, seitenBreite);
    maler.setPen(Qt::NoPen);
    if (o.abgerundet) {
        if (o.schatten) {
            r.adjust(0, 0, -kSchattenVersatz, -kSchattenVersatz);
            maler.setBrush(kSchatten);
            maler.drawRoundedRect(r.translated(kSchattenVersatz, kSchattenVersatz), kRundung,
                                  kRundung);
        }
        if (z.gefuellt) {
            maler.setBrush(TBerichtMaler::farbe(z.fuellFarbe));
            maler.drawRoundedRect(r, kRundung, kRundung);
        }
    } else {
        const bool ungerade = o.ungeradeFuellen && datensatz % 2 == 1;
        if (z.gefuellt || ungerade)
            maler.fillRect(r, TBerichtMaler::farbe(ungerade ? z.ungeradeFarbe : z.fuellFarbe));
    }
    maler.setBrush(Qt::NoBrush);
    if (o.linieOben || o.linieObenGepunktet) {
        QPen stift(Qt::black, o.linieOben ? o.linieObenStaerke : 1,
                   o.linieObenGepunktet ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
        maler.setPen(stift);
        const qreal y = r.top() + stift.widthF() / 2;
        maler.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    if (o.linieUnten) {
        maler.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        const qreal y = r.bottom() - 0.5;
        maler.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    if (text.isEmpty())
        return;
    maler.setFont(f);
    maler.setPen(TBerichtMaler::farbe(z.textFarbe));
    // Without Qt::TextDontClip the text is cut at the box where it is wider; Qt sets the clip
    // only then, which keeps long reports small.
    int flags = static_cast<int>(ausrichtung(o));
    if (o.wortUmbruch)
        flags |= Qt::TextWordWrap;
    maler.drawText(r.adjusted(1, 0, -1, 0), flags, text);
}

// The fonts of a band's objects, made once per page.
QList<QFont> schriften(const TBerichtBand& band, const QPainter& maler) {
    QList<QFont> liste;
    for (const TBerichtObjekt& o : band.objekte)
        liste.append(schrift(o, maler));
    return liste;
}

void bandMalen(QPainter& maler, const TBerichtBand& band, const QList<QFont>& fonts,
               const TBandZustand& zustand, int oben, qsizetype datensatz, qsizetype seite,
               int seitenBreite) {
    for (qsizetype i = 0; i < band.objekte.size() && i < zustand.size(); ++i) {
        const TObjektZustand& z = zustand.at(i);
        objektMalen(maler, band.objekte.at(i), fonts.at(i), z,
                    TFertigerBericht::seitenText(z, seite), oben, datensatz, seitenBreite);
    }
}

} // namespace

QColor TBerichtMaler::farbe(TBerichtFarbe bbggrr) {
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

void TBerichtMaler::masstabSetzen(QPainter& maler, int dpi) {
    maler.scale(dpi / 96.0, dpi / 96.0);
}

void TBerichtMaler::seiteMalen(QPainter& maler, const TFertigerBericht& bericht,
                               const TSeitenBereich& seite, qsizetype nummer, QSize seitenGroesse) {
    const TBerichtLayout& l = bericht.Layout;
    const int breite = seitenGroesse.width();
    const int seitenHoehe = seitenGroesse.height();
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    bandMalen(maler, l.Seitenkopf, schriften(l.Seitenkopf, maler), bericht.kopfZustand(seite), 0, 0,
              nummer, breite);
    const QList<QFont> datenSchriften = schriften(l.Daten, maler);
    int oben = l.Seitenkopf.hoehe;
    for (qsizetype i = 0; i < seite.anzahl; ++i) {
        const qsizetype index = seite.erster + i;
        // Records count from 1: the first, third, ... are the odd ones.
        bandMalen(maler, l.Daten, datenSchriften, bericht.Datensaetze.at(index).daten, oben,
                  index + 1, nummer, breite);
        oben += l.Daten.hoehe;
    }
    bandMalen(maler, l.Seitenfuss, schriften(l.Seitenfuss, maler), bericht.fussZustand(seite),
              seitenHoehe - l.Seitenfuss.hoehe, 0, nummer, breite);
}

QSize TBerichtMaler::seitenGroesse(const QPagedPaintDevice& geraet) {
    const int dpi = geraet.logicalDpiY();
    const QRect bereich = geraet.pageLayout().paintRectPixels(dpi);
    return {int(std::floor(bereich.width() * 96.0 / dpi)),
            int(std::floor(bereich.height() * 96.0 / dpi))};
}

void TBerichtMaler::allesMalen(QPagedPaintDevice& geraet, const TFertigerBericht& bericht) {
    const QSize groesse = seitenGroesse(geraet);
    const QList<TSeitenBereich> seiten = bericht.seiten(groesse.height());
    QPainter maler(&geraet);
    if (!maler.isActive())
        return;
    masstabSetzen(maler, geraet.logicalDpiY());
    for (qsizetype i = 0; i < seiten.size(); ++i) {
        if (i > 0)
            geraet.newPage();
        seiteMalen(maler, bericht, seiten.at(i), i + 1, groesse);
    }
}
