#pragma once

#include "shell/TVerzeichnisse.h"

#include <QString>

// What one run of the program knows about where it works and for whom; the trainer and the
// start-up share this one copy.
struct TLaufDaten {
    TVerzeichnisse Verzeichnisse;
    QString BenutzerName = QStringLiteral("unbekannt");
    bool AdminModusAktiv = false;
};
