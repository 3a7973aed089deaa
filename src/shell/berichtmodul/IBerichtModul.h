#pragma once

#include <QList>
#include <QPageLayout>
#include <QPointF>
#include <QSize>
#include <QString>
#include <functional>

class IModalDialoge;
class QObject;
class QPagedPaintDevice;
class QPainter;
class QRectF;
class QWidget;

// What needs the print and chart libraries lives in a module of its own, loaded when a preview
// or the progress chart is first asked for: those libraries then cost the start-up nothing.
// The module knows only Qt; the program hands in what to paint and what to do.

// One preview: the page, what to paint on the printer (or the preview's pages), and the
// program's own PDF export behind the preview's "Als PDF speichern..." command.
struct TVorschauAuftrag {
    QString titel;
    QString dokument;
    QPageLayout seite;
    std::function<void(QPagedPaintDevice&)> malen;
    std::function<void()> pdf;
};

// One lesson's line in the progress chart: success rates in percent at milliseconds since the
// epoch.
struct TDiagrammLinie {
    QString name;
    QList<QPointF> punkte;
};

// The progress chart as a widget: the five verdict bands, a date axis and one line a lesson.
class IFortschrittsDiagramm {
public:
    virtual ~IFortschrittsDiagramm() = default;
    // Owned by the parent it was made for.
    virtual QWidget* widget() = 0;
    virtual void fuellen(const QList<TDiagrammLinie>& linien) = 0;
    // The chart on any painter, scaled into `ziel`, keeping its proportions.
    virtual void malen(QPainter& maler, const QRectF& ziel) = 0;
    // The size of the drawn area on screen.
    virtual QSize ansichtsGroesse() const = 0;
    // The chart object itself, for checks.
    virtual QObject* diagramm() = 0;
};

class IBerichtModul {
public:
    virtual ~IBerichtModul() = default;
    // Shows the preview through `dialoge`; returns when it is closed.
    virtual void vorschauZeigen(IModalDialoge& dialoge, QWidget* eltern,
                                const TVorschauAuftrag& auftrag) = 0;
    virtual IFortschrittsDiagramm* fortschrittsDiagramm(QWidget* eltern) = 0;
};

// The module's one export.
#define DRILLA_BERICHTMODUL_ERZEUGEN "drillaBerichtmodulErzeugen"
using TBerichtmodulErzeugen = IBerichtModul* (*)();
