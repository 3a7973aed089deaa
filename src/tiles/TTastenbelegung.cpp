#include "tiles/TTastenbelegung.h"

#include "shell/TNewIniFile.h"

namespace {
const QString kAbschnitt = QStringLiteral("Sonderzeichen");
QString schluessel(int n) {
    return QStringLiteral("Taste") + QString::number(n);
}
} // namespace

QStringList TTastenbelegung::TastenLaden(const QString& pfad) {
    const TNewIniFile ini(pfad);
    QStringList beschriftungen;
    for (int n = kErste; n <= kLetzte; ++n)
        beschriftungen.append(ini.textLesen(kAbschnitt, schluessel(n), QStringLiteral("?")));
    return beschriftungen;
}

bool TTastenbelegung::TastenSpeichern(const QString& pfad, const QStringList& beschriftungen) {
    TNewIniFile ini(pfad);
    for (int n = kErste; n <= kLetzte; ++n) {
        if (!ini.textSchreiben(kAbschnitt, schluessel(n), beschriftungen.value(n - kErste)))
            return false;
    }
    return true;
}
