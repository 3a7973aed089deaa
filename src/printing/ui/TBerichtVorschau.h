#pragma once

#include "printing/IBerichtVorschau.h"

#include <QPageLayout>
#include <QString>
#include <functional>

class IMeldungen;
class IModalDialoge;
class QPainter;
class QRectF;
class QWidget;
struct TVorschauAuftrag;

// The preview window: one whole page in view, zoom, page setup, printing to any printer the
// system knows, and a PDF copy written through the safe-write path. The window itself comes
// from the report module; without it the user is told so.
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
    void vorschauZeigen(const TVorschauAuftrag& auftrag);

    IModalDialoge& m_dialoge;
    IMeldungen& m_meldungen;
    QWidget* m_eltern;
};
