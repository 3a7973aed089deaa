#include "tiles/TTastenbelegung.h"

#include "shell/TIniDokument.h"
#include "shell/TNewIniFile.h"

namespace {
const QString kAbschnitt = QStringLiteral("Sonderzeichen");
QString schluessel(int n) {
    return QStringLiteral("Taste") + QString::number(n);
}
QString blanksWeg(const QString& text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && (text.at(anfang) == u' ' || text.at(anfang) == u'\t'))
        ++anfang;
    while (ende > anfang && (text.at(ende - 1) == u' ' || text.at(ende - 1) == u'\t'))
        --ende;
    return text.sliced(anfang, ende - anfang);
}
} // namespace

QStringList TTastenbelegung::TastenLaden(const QString& pfad) {
    const TIniDokument ini(pfad);
    QStringList beschriftungen;
    for (int n = kErste; n <= kLetzte; ++n)
        beschriftungen.append(ini.textLesen(kAbschnitt, schluessel(n), QStringLiteral("?")));
    return beschriftungen;
}

bool TTastenbelegung::TastenSpeichern(const QString& pfad, const QStringList& beschriftungen) {
    TIniDokument ini(pfad);
    for (int n = kErste; n <= kLetzte; ++n) {
        // Blanks at the ends would not come back anyway; a caption that still would not read
        // back keeps the key's old value (or none at all).
        const QString text = blanksWeg(beschriftungen.value(n - kErste));
        if (TNewIniFile::wertSpeicherbar(text))
            (void)ini.textSetzen(kAbschnitt, schluessel(n), text);
    }
    return ini.speichern();
}

bool TTastenbelegung::zeichenBelegbar(const QString& zeichen) {
    if (zeichen == QStringLiteral(" "))
        return true;
    return TNewIniFile::wertSpeicherbar(zeichen);
}
