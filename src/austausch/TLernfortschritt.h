#pragma once

#include "austausch/TAuswertungsLeser.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// One run of a lesson on the chart.
struct TFortschrittsPunkt {
    qint64 msek = 0; // since the epoch
    int quote = 0;   // success rate in percent
};

// A lesson's runs for the chart and its row in the table below it.
struct TLektionsVerlauf {
    QString lektion;     // the path as the log names it
    QString anzeigeName; // its file name
    // The lesson's number of exercises as its file holds it now; -1 when it cannot be read.
    // The log keeps only the errors, so the rate is reckoned on the lesson as it stands.
    qsizetype aufgaben = -1;
    QList<TFortschrittsPunkt> punkte; // in time order; empty when `aufgaben` is unknown
    qsizetype laeufe = 0;
    qint64 letzteFehler = 0;
    int letzteQuote = -1;
    qint64 wenigsteFehler = 0;
    int besteQuote = -1;
    int trend = 0; // +1 better, -1 worse, 0 the same or too few runs
};

class TLernfortschritt {
public:
    using TAufgabenZahl = std::function<qsizetype(const QString& lektion)>;

    // Lessons in the order of their first run; empty filters take everything.
    static QList<TLektionsVerlauf> berechnen(const QList<TLernLauf>& laeufe,
                                             const QString& benutzer, const QString& lektion,
                                             const TAufgabenZahl& aufgabenZahl);
    // The distinct users and lessons of the log, sorted, for the filters.
    static QStringList benutzer(const QList<TLernLauf>& laeufe);
    static QStringList lektionen(const QList<TLernLauf>& laeufe);

    static QString ergebnisText(qint64 fehler, int quote);
    static QString trendText(int trend);
    // The file name of a recorded path, whichever separator it was written with.
    static QString dateiName(const QString& pfad);
};
