#include "lessons/TAuswertung.h"

#include "lessons/TAnsiCodec.h"

#include <algorithm>
#include <array>

namespace {

const std::array<TAuswertung::TBand, 5> kBaender = {{
    {0,
     {"Schauen Sie sich doch bitte die Grundlagen an\r\nund versuchen Sie diese Lektion noch "
      "einmal.",
      "Schaue dir doch bitte die Grundlagen an\r\nund versuche diese Lektion noch einmal."},
     2},
    {31,
     {"Einige Lösungen kennen Sie ja schon ... \r\nBitte versuchen Sie es noch einmal.",
      "Einige Lösungen kennst Du ja schon ... \r\nBitte versuche es noch einmal."},
     3},
    {51,
     {"Übung macht den Meister ... \r\nAber ein wenig fehlt noch ... \r\nBitte versuchen Sie "
      "diese Lektion noch einmal.",
      "Übung macht den Meister ... \r\nAber ein wenig fehlt noch ... \r\nBitte versuche diese "
      "Lektion noch einmal."},
     4},
    {76,
     {"Das klappt ja schon toll. \r\nViel fehlt nicht mehr.\r\nÜBEN ÜBEN ÜBEN!",
      "Das klappt ja schon toll. \r\nViel fehlt nicht mehr.\r\nÜBEN ÜBEN ÜBEN!"},
     5},
    {100,
     {"Sehr gut!\r\nSie haben diese Lektion erfolgreich beendet.\r\nVersuchen Sie jetzt eine "
      "andere Lektion.",
      "Sehr gut!\r\nDu hast diese Lektion erfolgreich beendet.\r\nVersuche jetzt eine andere "
      "Lektion."},
     6},
}};

// Labels of the log records, padded to 19 characters including ": ".
const QString kBenutzer = QStringLiteral("Benutzer         : ");
const QString kDatum = QStringLiteral("Datum            : ");
const QString kLektion = QStringLiteral("Lektion          : ");
const QString kErgebnis = QStringLiteral("Ergebnis         : ");

} // namespace

int TAuswertung::erfolgsquote(qint64 anzahl, qint64 fehler) {
    if (anzahl <= 0 || fehler >= anzahl)
        return 0;
    if (fehler <= 0)
        return 100;
    // Exact integer arithmetic: q = 100 * richtig / anzahl, ties to the even neighbour.
    const qint64 zaehler = 100 * (anzahl - fehler);
    qint64 ganz = zaehler / anzahl;
    const qint64 rest2 = 2 * (zaehler % anzahl);
    if (rest2 > anzahl || (rest2 == anzahl && (ganz % 2) == 1))
        ++ganz;
    return static_cast<int>(std::clamp<qint64>(ganz, 0, 100));
}

const TAuswertung::TBand& TAuswertung::band(int erfolgsquote) {
    for (auto it = kBaender.rbegin(); it != kBaender.rend(); ++it) {
        if (erfolgsquote >= it->untergrenze)
            return *it;
    }
    return kBaender.front();
}

QString TAuswertung::zusammenfassung(qint64 anzahl, qint64 fehler) {
    return QString::number(anzahl) + QStringLiteral(" Aufgaben: ") +
           QStringLiteral("Davon wurden ") + QString::number(fehler) +
           QStringLiteral(" fehlerhaft beantwortet");
}

QString TAuswertung::datumText(const QDateTime& zeitpunkt, const QLocale& gebiet) {
    QString text = gebiet.toString(zeitpunkt.date(), QLocale::ShortFormat);
    const QTime zeit = zeitpunkt.time();
    if (zeit.hour() == 0 && zeit.minute() == 0 && zeit.second() == 0)
        return text;
    // The long time format of the locale, without a time-zone name.
    QString format = gebiet.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    format = format.trimmed();
    return text + QLatin1Char(' ') + gebiet.toString(zeit, format);
}

QStringList TAuswertung::abschlussEintrag(const QString& benutzer, const QString& datum,
                                          const QString& lektion, qint64 fehler) {
    return {QStringLiteral(" "), kBenutzer + TAnsiCodec::ersetzen(benutzer),
            kDatum + TAnsiCodec::ersetzen(datum), kLektion + TAnsiCodec::ersetzen(lektion),
            kErgebnis + QString::number(fehler) + QStringLiteral(" Fehler")};
}

QStringList TAuswertung::neuGeladenEintrag(const QString& benutzer, const QString& datum,
                                           const QString& lektion) {
    return {QString(19, QLatin1Char(' ')), kBenutzer + TAnsiCodec::ersetzen(benutzer),
            kDatum + TAnsiCodec::ersetzen(datum), kLektion + TAnsiCodec::ersetzen(lektion),
            QStringLiteral("Status           : Lektion neu geladen")};
}
