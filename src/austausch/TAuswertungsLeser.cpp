#include "austausch/TAuswertungsLeser.h"

#include <array>

namespace {

constexpr qsizetype kMarke = 19; // labels are padded to 19 characters including ": "

bool mitMarke(const QString& zeile, QLatin1StringView marke, QString& wert) {
    if (zeile.size() < kMarke || !zeile.startsWith(marke))
        return false;
    // The padding must be blanks up to the colon.
    for (qsizetype i = marke.size(); i < kMarke - 2; ++i)
        if (zeile.at(i) != QLatin1Char(' '))
            return false;
    if (zeile.at(kMarke - 2) != QLatin1Char(':') || zeile.at(kMarke - 1) != QLatin1Char(' '))
        return false;
    wert = zeile.mid(kMarke);
    return true;
}

bool ergebnisLesen(const QString& wert, qint64& fehler) {
    if (!wert.endsWith(QLatin1String(" Fehler")))
        return false;
    const QString zahl = wert.left(wert.size() - 7);
    if (zahl.isEmpty() || zahl.size() > 18)
        return false;
    for (QChar c : zahl)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool ok = false;
    fehler = zahl.toLongLong(&ok);
    return ok;
}

// Two-digit years are read by Qt as 19xx; a log is younger than that.
QDateTime jahrhundertRichten(QDateTime zeit, const QString& format) {
    if (zeit.isValid() && !format.contains(QLatin1String("yyyy")) && zeit.date().year() < 1970)
        zeit = zeit.addYears(100);
    return zeit;
}

struct TFormate {
    QStringList datum;
    QStringList zeit;
};

TFormate formate(const QLocale& gebiet) {
    TFormate f;
    f.datum << gebiet.dateFormat(QLocale::ShortFormat) << QStringLiteral("dd.MM.yyyy")
            << QStringLiteral("d.M.yyyy") << QStringLiteral("dd.MM.yy") << QStringLiteral("d.M.yy")
            << QStringLiteral("yyyy-MM-dd") << QStringLiteral("M/d/yy")
            << QStringLiteral("M/d/yyyy") << QStringLiteral("dd/MM/yyyy");
    QString lang = gebiet.timeFormat(QLocale::LongFormat);
    lang.remove(QLatin1Char('t'));
    f.zeit << lang.trimmed() << QStringLiteral("HH:mm:ss") << QStringLiteral("H:mm:ss")
           << QStringLiteral("h:mm:ss AP") << QStringLiteral("HH:mm");
    f.datum.removeDuplicates();
    f.zeit.removeDuplicates();
    return f;
}

} // namespace

QDateTime TAuswertungsLeser::datumLesen(const QString& text, const QLocale& gebiet) {
    // Real logs use one format throughout: the one that fitted last is tried first.
    thread_local QString letztesFormat;
    thread_local QString letztesGebiet;
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 64)
        return {};
    if (letztesGebiet == gebiet.name() && !letztesFormat.isEmpty()) {
        const QDateTime z = gebiet.toDateTime(t, letztesFormat);
        if (z.isValid())
            return jahrhundertRichten(z, letztesFormat);
    }
    const TFormate f = formate(gebiet);
    for (const QString& d : f.datum) {
        const QDate nurDatum = gebiet.toDate(t, d);
        if (nurDatum.isValid()) {
            letztesGebiet = gebiet.name();
            letztesFormat = d;
            return jahrhundertRichten(QDateTime(nurDatum, QTime(0, 0)), d);
        }
        for (const QString& z : f.zeit) {
            const QString format = d + QLatin1Char(' ') + z;
            const QDateTime zeit = gebiet.toDateTime(t, format);
            if (zeit.isValid()) {
                letztesGebiet = gebiet.name();
                letztesFormat = format;
                return jahrhundertRichten(zeit, format);
            }
        }
    }
    return {};
}

TAuswertungsInhalt TAuswertungsLeser::lesen(const QStringList& zeilen, const QLocale& gebiet) {
    TAuswertungsInhalt inhalt;
    const qsizetype n = zeilen.size();
    qsizetype i = 0;
    while (i < n) {
        const QString& kopf = zeilen.at(i);
        const bool abschluss = kopf == QLatin1String(" ");
        const bool neu = kopf == QString(kMarke, QLatin1Char(' '));
        QString benutzer, datum, lektion, letzte;
        if ((abschluss || neu) && i + 4 < n &&
            mitMarke(zeilen.at(i + 1), QLatin1StringView("Benutzer"), benutzer) &&
            mitMarke(zeilen.at(i + 2), QLatin1StringView("Datum"), datum) &&
            mitMarke(zeilen.at(i + 3), QLatin1StringView("Lektion"), lektion)) {
            const QDateTime zeit = datumLesen(datum, gebiet);
            qint64 fehler = 0;
            if (abschluss && zeit.isValid() &&
                mitMarke(zeilen.at(i + 4), QLatin1StringView("Ergebnis"), letzte) &&
                ergebnisLesen(letzte, fehler)) {
                inhalt.laeufe.append({benutzer, zeit, lektion, fehler});
                i += 5;
                continue;
            }
            if (neu &&
                zeilen.at(i + 4) == QLatin1String("Status           : Lektion neu geladen")) {
                ++inhalt.neuGeladen;
                i += 5;
                continue;
            }
        }
        // Not the start of an intact record: skip this one line and look again from the next.
        ++inhalt.uebersprungen;
        ++i;
    }
    return inhalt;
}
