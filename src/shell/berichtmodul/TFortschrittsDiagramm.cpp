#include "shell/berichtmodul/TFortschrittsDiagramm.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

namespace {

struct TBandFarbe {
    double von;
    double bis;
    QColor farbe;
};
// The five verdict bands, from the first to "Sehr gut!"; rates are whole numbers, so a band
// reaches half way to the next.
const TBandFarbe kBaender[] = {
    {0.0, 30.5, QColor(255, 205, 205)},   {30.5, 50.5, QColor(255, 228, 196)},
    {50.5, 75.5, QColor(255, 250, 205)},  {75.5, 99.5, QColor(215, 245, 205)},
    {99.5, 100.0, QColor(160, 225, 160)},
};

constexpr qint64 kTag = 86400000;

} // namespace

TFortschrittsDiagramm::TFortschrittsDiagramm(QWidget* eltern) : QChartView(eltern) {
    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("Diagramm"));
    chart->setTitle(QStringLiteral("Erfolgsquote der Lektionen"));
    chart->legend()->setAlignment(Qt::AlignRight);
    setChart(chart);
    setObjectName(QStringLiteral("FortschrittsDiagramm"));
    setRenderHint(QPainter::Antialiasing);
}

QObject* TFortschrittsDiagramm::diagramm() {
    return chart();
}

void TFortschrittsDiagramm::fuellen(const QList<TDiagrammLinie>& linien) {
    QChart* c = chart();
    c->removeAllSeries();
    // Removed axes come back into our hands.
    for (QAbstractAxis* achse : c->axes()) {
        c->removeAxis(achse);
        delete achse;
    }

    qint64 erste = 0, letzte = 0;
    bool gefunden = false;
    for (const TDiagrammLinie& l : linien)
        for (const QPointF& p : l.punkte) {
            const auto msek = qint64(p.x());
            erste = gefunden ? std::min(erste, msek) : msek;
            letzte = gefunden ? std::max(letzte, msek) : msek;
            gefunden = true;
        }
    if (!gefunden) {
        const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
        erste = jetzt - kTag;
        letzte = jetzt;
    }
    // One day on either side, so that a single run does not sit on the axis.
    erste -= kTag;
    letzte += kTag;

    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd.MM.yyyy"));
    x->setTitleText(QStringLiteral("Datum"));
    x->setRange(QDateTime::fromMSecsSinceEpoch(erste), QDateTime::fromMSecsSinceEpoch(letzte));
    x->setTickCount(6);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTitleText(QStringLiteral("Erfolgsquote in %"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(6);
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);

    for (const TBandFarbe& b : kBaender) {
        auto* unten = new QLineSeries;
        auto* oben = new QLineSeries;
        unten->append(double(erste), b.von);
        unten->append(double(letzte), b.von);
        oben->append(double(erste), b.bis);
        oben->append(double(letzte), b.bis);
        auto* band = new QAreaSeries(oben, unten);
        // The band does not own its edges; they go with it.
        oben->setParent(band);
        unten->setParent(band);
        band->setObjectName(QStringLiteral("Band"));
        band->setBrush(b.farbe);
        band->setPen(Qt::NoPen);
        c->addSeries(band);
        band->attachAxis(x);
        band->attachAxis(y);
        for (QLegendMarker* m : c->legend()->markers(band))
            m->setVisible(false);
    }
    for (const TDiagrammLinie& l : linien) {
        if (l.punkte.isEmpty())
            continue;
        auto* linie = new QLineSeries;
        linie->setObjectName(QStringLiteral("Verlauf"));
        linie->setName(l.name);
        linie->replace(l.punkte);
        linie->setPointsVisible(l.punkte.size() <= 200);
        c->addSeries(linie);
        linie->attachAxis(x);
        linie->attachAxis(y);
    }
}

void TFortschrittsDiagramm::malen(QPainter& maler, const QRectF& ziel) {
    render(&maler, ziel, viewport()->rect(), Qt::KeepAspectRatio);
}
