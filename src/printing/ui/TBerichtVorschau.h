#pragma once

#include "printing/IBerichtVorschau.h"

#include <QPageLayout>
#include <QString>
#include <functional>

class IMeldungen;
class IModalDialoge;
class QPainter;
class QPrinter;
class QRectF;
class QWidget;

// The preview window: one whole page in view, zoom, page setup, printing to any printer the
// system knows, and a PDF copy written through the safe-write path.
class TBerichtVorschau : public IBerichtVorschau {
public:
    TBerichtVorschau(IModalDialoge& dialoge, IMeldungen& meldungen, QWidget* eltern);
    void zeigen(const TFertigerBericht& bericht) override;

    // The export of the preview's "Als PDF speichern" command.
    void pdfSpeichern(const TFertigerBericht& bericht);

    // A picture of one page (a chart) in the same preview; `malen` paints it into the
    // printable area, in the device's own units.
    using TGrafikMaler = std::function<void(QPainter&, const QRectF&)>;
    void grafikZeigen(const QString& titel, const TGrafikMaler& malen);
    void grafikPdfSpeichern(const QString& titel, const TGrafikMaler& malen);

private:
    void vorschauZeigen(QPrinter& drucker, const QString& titel,
                        const std::function<void(QPrinter*)>& malen,
                        const std::function<void()>& pdf);

    IModalDialoge& m_dialoge;
    IMeldungen& m_meldungen;
    QWidget* m_eltern;
};
