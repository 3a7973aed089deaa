#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One finished practice as the evaluation log records it.
struct TLernLauf {
    QString benutzer;
    // The wall-clock time as the log has it, kept in UTC so that reading many records needs no
    // time-zone look-ups; `ortszeitMs` turns it into the local instant for a chart.
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
    // The local instant of a wall-clock time read from the log, in ms since the epoch;
    // `versatz` keeps the local offset per day between calls.
    static qint64 ortszeitMs(const QDateTime& wanduhr, QHash<qint64, qint64>& versatz);
};
