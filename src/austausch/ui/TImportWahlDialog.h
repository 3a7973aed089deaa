#pragma once

#include "austausch/IImportWahl.h"

class IModalDialoge;
class QWidget;

// The choices of an import in a small modal window: separator, header line and columns of a
// table with a preview of its first rows, or the translation pair of a KVTML file.
class TImportWahlDialog : public IImportWahl {
public:
    TImportWahlDialog(IModalDialoge& dialoge, QWidget* eltern);
    bool csvWaehlen(const QString& text, TCsvWahl& wahl) override;
    bool kvtmlWaehlen(const TKvtmlDokument& dokument, int& aufgabe, int& antwort) override;

private:
    IModalDialoge& m_dialoge;
    QWidget* m_eltern;
};
