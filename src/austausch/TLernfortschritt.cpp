#include "austausch/TLernfortschritt.h"

#include "lessons/TAuswertung.h"

#include <algorithm>
#include <numeric>

namespace {

// The last three runs against the three before them; the rate where it is known, otherwise
// fewer errors count as better.
int trendBerechnen(const QList<double>& werte) {
    const qsizetype n = werte.size();
    if (n < 2)
        return 0;
    const qsizetype k = std::min<qsizetype>(3, n / 2);
    const double neu = std::accumulate(werte.end() - k, werte.end(), 0.0) / double(k);
    const double alt = std::accumulate(werte.end() - 2 * k, werte.end() - k, 0.0) / double(k);
    if (neu > alt)
        return 1;
    if (neu < alt)
        return -1;
    return 0;
}

QStringList sortiert(QStringList liste) {
    liste.removeDuplicates();
    std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return liste;
}

} // namespace

QList<TLektionsVerlauf> TLernfortschritt::berechnen(const QList<TLernLauf>& laeufe,
                                                    const QString& benutzer, const QString& lektion,
                                                    const TAufgabenZahl& aufgabenZahl) {
    QList<TLektionsVerlauf> verlaeufe;
    QHash<QString, qsizetype> stelle;
    // Per lesson the indices of its runs, then sorted by time (stable: equal times keep the
    // log's order).
    QList<QList<qsizetype>> laeufeJe;
    for (qsizetype i = 0; i < laeufe.size(); ++i) {
        const TLernLauf& l = laeufe.at(i);
        if ((!benutzer.isEmpty() && l.benutzer != benutzer) ||
            (!lektion.isEmpty() && l.lektion != lektion))
            continue;
        auto it = stelle.find(l.lektion);
        if (it == stelle.end()) {
            it = stelle.insert(l.lektion, verlaeufe.size());
            TLektionsVerlauf v;
            v.lektion = l.lektion;
            v.anzeigeName = dateiName(l.lektion);
            v.aufgaben = aufgabenZahl ? aufgabenZahl(l.lektion) : -1;
            verlaeufe.append(v);
            laeufeJe.append(QList<qsizetype>());
        }
        laeufeJe[*it].append(i);
    }
    QHash<qint64, qint64> versatz;
    for (qsizetype j = 0; j < verlaeufe.size(); ++j) {
        TLektionsVerlauf& v = verlaeufe[j];
        QList<qsizetype>& idx = laeufeJe[j];
        std::stable_sort(idx.begin(), idx.end(), [&laeufe](qsizetype a, qsizetype b) {
            return laeufe.at(a).zeitpunkt < laeufe.at(b).zeitpunkt;
        });
        const bool mitQuote = v.aufgaben > 0;
        QList<double> werte;
        werte.reserve(idx.size());
        if (mitQuote)
            v.punkte.reserve(idx.size());
        v.laeufe = idx.size();
        v.wenigsteFehler = laeufe.at(idx.first()).fehler;
        for (qsizetype i : idx) {
            const TLernLauf& l = laeufe.at(i);
            v.wenigsteFehler = std::min(v.wenigsteFehler, l.fehler);
            v.letzteFehler = l.fehler;
            if (mitQuote) {
                const int q = TAuswertung::erfolgsquote(v.aufgaben, l.fehler);
                v.punkte.append({TAuswertungsLeser::ortszeitMs(l.zeitpunkt, versatz), q});
                v.letzteQuote = q;
                v.besteQuote = std::max(v.besteQuote, q);
                werte.append(q);
            } else {
                werte.append(-double(l.fehler));
            }
        }
        v.trend = trendBerechnen(werte);
    }
    return verlaeufe;
}

QStringList TLernfortschritt::benutzer(const QList<TLernLauf>& laeufe) {
    QStringList namen;
    for (const TLernLauf& l : laeufe)
        namen.append(l.benutzer);
    return sortiert(namen);
}

QStringList TLernfortschritt::lektionen(const QList<TLernLauf>& laeufe) {
    QStringList namen;
    for (const TLernLauf& l : laeufe)
        namen.append(l.lektion);
    return sortiert(namen);
}

QString TLernfortschritt::ergebnisText(qint64 fehler, int quote) {
    const QString f = QString::number(fehler) + QStringLiteral(" Fehler");
    if (quote < 0)
        return f;
    return QString::number(quote) + QStringLiteral(" % (") + f + QLatin1Char(')');
}

QString TLernfortschritt::trendText(int trend) {
    if (trend > 0)
        return QStringLiteral("besser");
    if (trend < 0)
        return QStringLiteral("schlechter");
    return QStringLiteral("gleich");
}

QString TLernfortschritt::dateiName(const QString& pfad) {
    const qsizetype p =
        std::max({pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')),
                  pfad.lastIndexOf(QLatin1Char(':'))});
    const QString name = pfad.mid(p + 1);
    return name.isEmpty() ? pfad : name;
}
