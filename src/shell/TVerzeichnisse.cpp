#include "shell/TVerzeichnisse.h"

#include "shell/TBeispielLektionen.h"
#include "shell/TTexte.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>

QString TVerzeichnisse::normalisieren(const QString& wert, QChar trenner, bool laufwerke) {
    if (wert.isEmpty())
        return wert;
    const QChar letztes = wert.back();
    if (letztes == trenner || (laufwerke && letztes == QLatin1Char(':')))
        return wert;
    if (laufwerke && wert.size() == 1) {
        const char16_t c = wert.front().unicode();
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            return wert + QLatin1Char(':') + trenner;
    }
    return wert + trenner;
}

QStringList TVerzeichnisse::shellOrdnerSortieren(const QStringList& werte) {
    QStringList liste;
    for (const QString& w : werte) {
        const bool vorhanden = std::any_of(liste.cbegin(), liste.cend(), [&](const QString& x) {
            return x.compare(w, Qt::CaseInsensitive) == 0;
        });
        if (!vorhanden)
            liste.append(w);
    }
    std::stable_sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return liste;
}

bool TVerzeichnisse::netzwerkmodusErmitteln(const QString& programmVerzeichnis) {
    if (QFileInfo::exists(programmVerzeichnis + netzwerkMarke()))
        return true;
    // A real attempt: permission bits alone say nothing about read-only media.
    QTemporaryFile probe(programmVerzeichnis + QStringLiteral(".schreibprobe-XXXXXX"));
    return !probe.open();
}

namespace {

bool anlegen(const QString& verzeichnis) {
    return QDir().mkpath(verzeichnis) && QFileInfo(verzeichnis).isWritable();
}

} // namespace

TVerzeichnisse TVerzeichnisse::ermitteln(const QString& programmVerzeichnis, bool netzwerkmodus,
                                         const QStringList& shellOrdner, const QString& ausweich) {
    TVerzeichnisse v;
    v.Programm = normalisieren(programmVerzeichnis);
    v.Lektion = normalisieren(v.Programm + QStringLiteral("Lektion"));
    v.Daten = normalisieren(v.Programm);
    v.Netzwerkmodus = netzwerkmodus;
    if (!netzwerkmodus) {
        v.VersionsZusatz = TTexte::versionsZusatz();
        return v;
    }
    v.VersionsZusatz = TTexte::versionsZusatz() + QStringLiteral(" Netzwerkversion");
    const QStringList ordner = shellOrdnerSortieren(shellOrdner);
    QString basis = ordner.isEmpty() ? QString() : ordner.first();
    while (basis.size() > 1 && basis.endsWith(QLatin1Char('/')))
        basis.chop(1);
    QString benutzer = basis.isEmpty() ? QString() : basis + QStringLiteral("/MORVANE/DRILLA/");
    if (benutzer.isEmpty() || !anlegen(benutzer)) {
        benutzer = normalisieren(ausweich);
        anlegen(benutzer);
        v.Ausweichhinweis = benutzer;
    }
    v.Benutzer = benutzer;
    v.Daten = normalisieren(v.Benutzer);
    v.Lektion = v.Benutzer + QStringLiteral("Lektion/");
    const bool neu = !QFileInfo::exists(v.Lektion);
    if (anlegen(v.Lektion) && neu)
        TBeispielLektionen::kopieren(v.Programm + QStringLiteral("Lektion/"), v.Lektion);
    return v;
}
