#include "austausch/TLektionsAustausch.h"

#include "lessons/TAnsiCodec.h"

namespace {

// A lesson line holds no line break: CR LF, CR and LF each become one blank.
QString einzeilig(const QString& text, bool& geaendert) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    geaendert = true;
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

} // namespace

QList<TImportEintrag> TLektionsAustausch::ausCsv(const TCsvTabelle& tabelle, int aufgabenSpalte,
                                                 int antwortSpalte, bool kopfzeile) {
    QList<TImportEintrag> eintraege;
    eintraege.reserve(tabelle.zeilen.size());
    for (qsizetype r = kopfzeile ? 1 : 0; r < tabelle.zeilen.size(); ++r) {
        const QStringList& z = tabelle.zeilen.at(r);
        const QList<bool>& q = tabelle.zitiert.at(r);
        TImportEintrag e;
        if (aufgabenSpalte >= 0 && aufgabenSpalte < z.size())
            e.aufgabe = z.at(aufgabenSpalte);
        // A ragged row lacks the answer; an unquoted empty field is no answer either.
        e.hatAntwort = antwortSpalte >= 0 && antwortSpalte < z.size() &&
                       (!z.at(antwortSpalte).isEmpty() || q.at(antwortSpalte));
        if (e.hatAntwort)
            e.antwort = z.at(antwortSpalte);
        eintraege.append(e);
    }
    return eintraege;
}

QList<TImportEintrag> TLektionsAustausch::ausKvtml(const TKvtmlDokument& dokument, int aufgabenId,
                                                   int antwortId) {
    QList<TImportEintrag> eintraege;
    eintraege.reserve(dokument.eintraege.size());
    for (const auto& e : dokument.eintraege) {
        TImportEintrag i;
        i.aufgabe = e.value(aufgabenId);
        const auto a = e.constFind(antwortId);
        i.hatAntwort = a != e.constEnd();
        if (i.hatAntwort)
            i.antwort = *a;
        eintraege.append(i);
    }
    return eintraege;
}

QString TLektionsAustausch::zeile(const TImportEintrag& e) {
    bool egal = false;
    const QString aufgabe = einzeilig(e.aufgabe, egal);
    if (!e.hatAntwort)
        return aufgabe;
    return einzeilig(e.antwort, egal) + QLatin1Char(';') + aufgabe;
}

TImportBefund TLektionsAustausch::pruefen(const QList<TImportEintrag>& eintraege) {
    TImportBefund b;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const TImportEintrag& e = eintraege.at(i);
        if (!TAnsiCodec::darstellbar(e.aufgabe) || !TAnsiCodec::darstellbar(e.antwort))
            b.nichtDarstellbar.append(i);
        if (e.antwort.contains(QLatin1Char(';')))
            b.semikolon.append(i);
        bool umbruch = false;
        einzeilig(e.aufgabe, umbruch);
        einzeilig(e.antwort, umbruch);
        if (umbruch)
            b.umbrueche.append(i);
    }
    return b;
}

QStringList TLektionsAustausch::zeilen(const QList<TImportEintrag>& eintraege, bool auslassen) {
    QStringList z;
    z.reserve(eintraege.size());
    for (const TImportEintrag& e : eintraege) {
        const QString s = zeile(e);
        if (TAnsiCodec::darstellbar(s))
            z.append(s);
        else if (!auslassen)
            z.append(TAnsiCodec::ersetzen(s));
    }
    return z;
}

TImportEintrag TLektionsAustausch::teilen(const QString& zeile) {
    const qsizetype p = zeile.indexOf(QLatin1Char(';'));
    if (p < 0)
        return {zeile, QString(), false};
    return {zeile.mid(p + 1), zeile.left(p), true};
}

QByteArray TLektionsAustausch::nachCsv(const QStringList& zeilen) {
    const QChar t = QLatin1Char(',');
    QString text = QStringLiteral("Aufgabe,Antwort\r\n");
    for (const QString& z : zeilen) {
        const TImportEintrag e = teilen(z);
        text += TCsvTabelle::feld(e.aufgabe, t) + t;
        // An empty answer of a line with ";" is quoted, so that it differs from no answer.
        if (e.hatAntwort)
            text += TCsvTabelle::feld(e.antwort, t, e.antwort.isEmpty());
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

QByteArray TLektionsAustausch::nachKvtml(const QStringList& zeilen, const QString& titel) {
    QList<TKvtmlDokument::TPaar> paare;
    paare.reserve(zeilen.size());
    for (const QString& z : zeilen) {
        const TImportEintrag e = teilen(z);
        paare.append({e.aufgabe, e.antwort, e.hatAntwort});
    }
    return TKvtmlDokument::schreiben(titel, QStringLiteral("Aufgabe"), QStringLiteral("Antwort"),
                                     paare);
}
