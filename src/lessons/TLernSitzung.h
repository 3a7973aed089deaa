#pragma once

#include <QString>
#include <QStringList>

// The practice state of the current lesson.
struct TLernSitzung {
    QString Zeile;
    QString Frage;
    QString Antwort;
    qsizetype Index = 0;
    bool Beantwortet = false;
    bool FehlerErfasst = false;
    bool PruefungLaeuft = false;
    bool Beendet = false;
    bool RestUebernommen = false;
    qint64 Fehlerzahl = 0;
    QStringList StrHolderFehler;
};
