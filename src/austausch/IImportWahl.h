#pragma once

#include "austausch/TKvtmlDokument.h"

#include <QChar>
#include <QString>

// What the user chooses before an import: for a table the separator, the header line and the
// two columns; for a KVTML file the pair of translations. False: cancelled.
class IImportWahl {
public:
    struct TCsvWahl {
        QChar trenner = QLatin1Char(',');
        bool kopfzeile = false;
        int aufgabe = 0;
        int antwort = 1;
    };
    virtual ~IImportWahl() = default;
    virtual bool csvWaehlen(const QString& text, TCsvWahl& wahl) = 0;
    virtual bool kvtmlWaehlen(const TKvtmlDokument& dokument, int& aufgabe, int& antwort) = 0;
};
