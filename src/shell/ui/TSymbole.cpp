#include "shell/ui/TSymbole.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <functional>
#include <memory>

// The resource lives in a static library: the program registers it before the first look-up.
static void bilderAnmelden() {
    static const bool angemeldet = [] {
        Q_INIT_RESOURCE(bilder);
        return true;
    }();
    Q_UNUSED(angemeldet);
}

namespace {

// An icon that loads each of its sizes only when a picture of that size is first asked for.
// It answers as an icon holding all sizes as normal, off pixmaps: the size picked for a
// request is the smallest whose area is at least the requested one, else the largest, and
// the other modes and states are made from that picture. The loaded pictures sit in a plain
// icon, which then picks the same one, because the best size is always among them.
class TGroessenSymbol : public QIconEngine {
public:
    TGroessenSymbol(std::function<QPixmap(int)> laden, QList<int> groessen)
        : m_d(std::make_shared<TDaten>()) {
        m_d->laden = std::move(laden);
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
        if (!m_d->geladene.contains(g)) {
            m_d->bilder.addPixmap(m_d->laden(g));
            m_d->geladene.append(g);
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
        std::function<QPixmap(int)> laden;
        QList<int> groessen;
        QList<int> geladene;
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

    // Shared by the copies, so a picture is loaded once for all of them.
    std::shared_ptr<TDaten> m_d;
};

QIcon groessenweise(const QString& name, QList<int> groessen) {
    return QIcon(new TGroessenSymbol([name](int g) { return TSymbole::bild(name, g); },
                                     std::move(groessen)));
}

} // namespace

QPixmap TSymbole::bild(const QString& name, int groesse) {
    bilderAnmelden();
    const QResource quelle(QStringLiteral(":/bilder/%1-%2.rgba").arg(name).arg(groesse));
    const QByteArray daten = quelle.uncompressedData();
    if (groesse <= 0 || daten.size() != qsizetype(groesse) * groesse * 4)
        return QPixmap();
    const QImage roh(reinterpret_cast<const uchar*>(daten.constData()), groesse, groesse,
                     groesse * 4, QImage::Format_RGBA8888_Premultiplied);
    return QPixmap::fromImage(roh.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QPixmap TSymbole::info() {
    return bild(QStringLiteral("info"), 32);
}

QPixmap TSymbole::loesung() {
    return bild(QStringLiteral("loesung"), 32);
}

QPixmap TSymbole::status(int nummer) {
    return bild(QStringLiteral("status%1").arg(nummer), 16);
}

QIcon TSymbole::werkzeug(int nummer) {
    if (nummer < 1 || nummer > 7)
        return QIcon();
    return groessenweise(QStringLiteral("werkzeug%1").arg(nummer), {24, 48});
}

QIcon TSymbole::programm() {
    return groessenweise(QStringLiteral("programm"), {16, 24, 32, 48, 64, 128});
}

QIcon TSymbole::anwendung() {
    return groessenweise(QStringLiteral("drilla"), {256});
}
