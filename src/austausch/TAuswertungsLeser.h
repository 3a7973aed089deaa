#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One finished practice as the evaluation log records it.
struct TLernLauf {
    QString benutzer;
    QDateTime zeitpunkt;
    QString lektion;
    qint64 fehler = 0;
};

struct TAuswertungsInhalt {
    QList<TLernLauf> laeufe;
    qsizetype neuGeladen = 0;    // records of a lesson reopened from the history
    qsizetype uebersprungen = 0; // lines that belong to no intact record
};

// Reads the records of the evaluation log. The log is a text file the user may edit; a damaged
// record or a foreign line is skipped and counted, and the reader finds its way back to the
// next intact record.
class TAuswertungsLeser {
public:
    // `gebiet`: the locale the dates were most likely written in; other common formats are
    // tried after it.
    static TAuswertungsInhalt lesen(const QStringList& zeilen, const QLocale& gebiet);
    // The date of a record; invalid when no known format fits.
    static QDateTime datumLesen(const QString& text, const QLocale& gebiet);
};
