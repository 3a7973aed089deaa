#include "austausch/TCsvTabelle.h"

namespace {

const QStringList kAufgabenNamen = {"aufgabe", "frage",   "question", "front", "term",
                                    "word",    "vokabel", "wort",     "prompt"};
const QStringList kAntwortNamen = {"antwort",    "lösung",      "loesung",     "answer",  "back",
                                   "definition", "übersetzung", "translation", "solution"};

int spalteMit(const QStringList& kopf, const QStringList& namen) {
    for (int i = 0; i < kopf.size(); ++i)
        if (namen.contains(kopf.at(i).trimmed().toLower()))
            return i;
    return -1;
}

} // namespace

TCsvTabelle TCsvTabelle::lesen(const QString& text, QChar trenner) {
    TCsvTabelle t;
    t.trenner = trenner;
    QStringList zeile;
    QList<bool> zitiertZeile;
    QString feld;
    bool imZitat = false, warZitiert = false, feldBegonnen = false;
    qsizetype zeilenAnfang = 0;
    auto feldEnde = [&] {
        zeile.append(feld);
        zitiertZeile.append(warZitiert);
        feld.clear();
        warZitiert = false;
        feldBegonnen = false;
    };
    auto zeileEnde = [&] {
        feldEnde();
        // A blank line is no record.
        if (!(zeile.size() == 1 && zeile.first().isEmpty() && !zitiertZeile.first())) {
            t.zeilen.append(zeile);
            t.zitiert.append(zitiertZeile);
        }
        zeile.clear();
        zitiertZeile.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (imZitat) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    feld.append(c);
                    ++i;
                } else {
                    imZitat = false;
                }
            } else {
                feld.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && !feldBegonnen) {
            imZitat = true;
            warZitiert = true;
            feldBegonnen = true;
            zeilenAnfang = t.zeilen.size();
        } else if (c == trenner) {
            feldEnde();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            zeileEnde();
        } else {
            // A quote inside an unquoted field, or text after a closing quote, is kept as it
            // stands, as most programs do.
            feld.append(c);
            feldBegonnen = true;
        }
    }
    if (imZitat)
        t.offeneAnfuehrung = zeilenAnfang;
    if (feldBegonnen || !feld.isEmpty() || !zeile.isEmpty())
        zeileEnde();
    for (const QStringList& z : std::as_const(t.zeilen)) {
        t.spalten = std::max<qsizetype>(t.spalten, z.size());
        if (z.size() != t.zeilen.first().size())
            ++t.ungleicheZeilen;
    }
    return t;
}

QChar TCsvTabelle::trennerErkennen(const QString& text) {
    qsizetype ende = text.indexOf(QLatin1Char('\n'));
    const QString erste = text.left(ende < 0 ? std::min<qsizetype>(text.size(), 65536) : ende);
    if (erste.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    return erste.count(QLatin1Char(';')) > erste.count(QLatin1Char(',')) ? QLatin1Char(';')
                                                                         : QLatin1Char(',');
}

bool TCsvTabelle::kopfzeileErkannt(const QStringList& zeile) {
    return aufgabenSpalte(zeile) >= 0 || antwortSpalte(zeile) >= 0;
}

int TCsvTabelle::aufgabenSpalte(const QStringList& kopf) {
    return spalteMit(kopf, kAufgabenNamen);
}

int TCsvTabelle::antwortSpalte(const QStringList& kopf) {
    return spalteMit(kopf, kAntwortNamen);
}

QString TCsvTabelle::feld(const QString& text, QChar trenner, bool zitieren) {
    const bool noetig = zitieren || text.contains(trenner) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
                        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!noetig)
        return text;
    QString f = text;
    f.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}
