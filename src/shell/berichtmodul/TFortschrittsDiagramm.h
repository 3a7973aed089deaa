#pragma once

#include "shell/berichtmodul/IBerichtModul.h"

#include <QChartView>

// The progress chart on a QChartView: bands of the five verdicts behind, one line a lesson.
class TFortschrittsDiagramm : public QChartView, public IFortschrittsDiagramm {
public:
    explicit TFortschrittsDiagramm(QWidget* eltern);

    QWidget* widget() override { return this; }
    void fuellen(const QList<TDiagrammLinie>& linien) override;
    void malen(QPainter& maler, const QRectF& ziel) override;
    QObject* diagramm() override;
    QSize ansichtsGroesse() const override { return viewport()->size(); }
};
