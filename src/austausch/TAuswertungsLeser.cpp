#include "austausch/TAuswertungsLeser.h"

#include <array>
#include <optional>

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
QDate jahrhundertRichten(QDate tag, const QString& format) {
    if (tag.isValid() && !format.contains(QLatin1String("yyyy")) && tag.year() < 1970)
        tag = tag.addYears(100);
    return tag;
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

// The first of `formate` that reads `text`; it is remembered in `zuletzt`.
template <typename T, typename Lesen>
T lesenMit(const QString& text, const QStringList& formate, QString& zuletzt, Lesen lesen) {
    for (const QString& format : formate) {
        const T wert = lesen(text, format);
        if (wert.isValid()) {
            zuletzt = format;
            return wert;
        }
    }
    return {};
}

// "H:mm:ss", "HH:mm:ss" and "H:mm" read by hand: they are what logs hold, and the locale's
// parser costs more than the rest of a record together.
QTime uhrzeitSchnell(const QString& text) {
    int teile[3] = {0, 0, 0};
    int teil = 0, ziffern = 0;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            if (++ziffern > 2)
                return {};
            teile[teil] = teile[teil] * 10 + (c.unicode() - '0');
        } else if (c == QLatin1Char(':') && ziffern > 0 && teil < 2) {
            if (teil > 0 && ziffern != 2)
                return {};
            ++teil;
            ziffern = 0;
        } else {
            return {};
        }
    }
    if (teil < 1 || ziffern != 2)
        return {};
    return QTime(teile[0], teile[1], teile[2]);
}

} // namespace

QDateTime TAuswertungsLeser::datumLesen(const QString& text, const QLocale& gebiet) {
    // Real logs use one format throughout: the one that fitted last is tried first. Date and
    // time are read apart (no date format holds a blank), so no time zone is consulted.
    thread_local QString letztesDatum, letzteZeit, letztesGebiet;
    bool tageLeeren = false;
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 64)
        return {};
    if (letztesGebiet != gebiet.name()) {
        letztesGebiet = gebiet.name();
        letztesDatum.clear();
        letzteZeit.clear();
        tageLeeren = true;
    }
    const auto datum = [&](const QString& s, const QString& format) {
        return gebiet.toDate(s, format);
    };
    const auto uhr = [&](const QString& s, const QString& format) {
        return gebiet.toTime(s, format);
    };
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const QString datumText = blank < 0 ? t : t.left(blank);
    std::optional<TFormate> f;
    // Many records share a day: each date text is read once.
    thread_local QHash<QString, QDate> tage;
    if (tageLeeren || tage.size() > 100000)
        tage.clear();
    QDate tag = tage.value(datumText);
    if (!tag.isValid()) {
        tag = letztesDatum.isEmpty() ? QDate() : datum(datumText, letztesDatum);
        if (!tag.isValid()) {
            f = formate(gebiet);
            tag = lesenMit<QDate>(datumText, f->datum, letztesDatum, datum);
        }
        if (!tag.isValid())
            return {};
        tag = jahrhundertRichten(tag, letztesDatum);
        tage.insert(datumText, tag);
    }
    QTime zeit(0, 0);
    if (blank >= 0) {
        const QString zeitText = t.mid(blank + 1).trimmed();
        zeit = uhrzeitSchnell(zeitText);
        if (!zeit.isValid() && !letzteZeit.isEmpty())
            zeit = uhr(zeitText, letzteZeit);
        if (!zeit.isValid()) {
            if (!f)
                f = formate(gebiet);
            zeit = lesenMit<QTime>(zeitText, f->zeit, letzteZeit, uhr);
        }
        if (!zeit.isValid())
            return {};
    }
    return QDateTime(tag, zeit, Qt::UTC);
}

qint64 TAuswertungsLeser::ortszeitMs(const QDateTime& wanduhr, QHash<qint64, qint64>& versatz) {
    // One look-up of the local offset per day, not per record.
    const qint64 tag = wanduhr.date().toJulianDay();
    auto it = versatz.constFind(tag);
    if (it == versatz.constEnd())
        it = versatz.insert(
            tag, QDateTime(wanduhr.date(), QTime(12, 0), Qt::LocalTime).offsetFromUtc() * 1000LL);
    return wanduhr.toMSecsSinceEpoch() - *it;
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
