#pragma once

#include "lessons/TAnredeText.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// Grading at the end of a lesson and the records of the evaluation log.
class TAuswertung {
public:
    struct TBand {
        int untergrenze; // lowest success rate of the band
        TAnredeText text;
        int klang; // clip index
    };

    // 100 * (anzahl - fehler) / anzahl rounded half to even, limited to 0..100.
    // A lesson without exercises counts as 0.
    static int erfolgsquote(qint64 anzahl, qint64 fehler);
    static const TBand& band(int erfolgsquote);

    // "12 Aufgaben: Davon wurden 3 fehlerhaft beantwortet"
    static QString zusammenfassung(qint64 anzahl, qint64 fehler);
    // Date in the short date format, a blank, the time in the long time format; the time is
    // left out at exactly midnight.
    static QString datumText(const QDateTime& zeitpunkt, const QLocale& gebiet);

    // Log records; characters Windows-1252 lacks become "?" so that the log stays writable.
    static QStringList abschlussEintrag(const QString& benutzer, const QString& datum,
                                        const QString& lektion, qint64 fehler);
    static QStringList neuGeladenEintrag(const QString& benutzer, const QString& datum,
                                         const QString& lektion);
};
