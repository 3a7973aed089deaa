#include "lessons/TAufgabenzeile.h"

QString TAufgabenzeile::blankEntfernen(QStringView text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang] == QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && text[ende - 1] == QLatin1Char(' '))
        --ende;
    return text.sliced(anfang, ende - anfang).toString();
}

void TAufgabenzeile::zerlegen(const QString& zeile, QString& frage, QString& antwort) {
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    if (trenner < 0) {
        frage = blankEntfernen(zeile);
        antwort.clear();
        return;
    }
    const QStringView ganz(zeile);
    frage = blankEntfernen(ganz.sliced(trenner + 1));
    antwort = blankEntfernen(ganz.first(trenner));
}
