#pragma once

#include "printing/IBerichtVorschau.h"

class IMeldungen;
class IModalDialoge;
class QPrintPreviewDialog;
class QWidget;

// The preview window: one whole page in view, zoom, page setup, printing to any printer the
// system knows, and a PDF copy written through the safe-write path.
class TBerichtVorschau : public IBerichtVorschau {
public:
    TBerichtVorschau(IModalDialoge& dialoge, IMeldungen& meldungen, QWidget* eltern);
    void zeigen(const TFertigerBericht& bericht) override;

    // The export of the preview's "Als PDF speichern" command.
    void pdfSpeichern(const TFertigerBericht& bericht);

private:
    IModalDialoge& m_dialoge;
    IMeldungen& m_meldungen;
    QWidget* m_eltern;
};
