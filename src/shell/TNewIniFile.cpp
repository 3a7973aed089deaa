#include "shell/TNewIniFile.h"

#include "lessons/TAnsiCodec.h"
#include "lessons/TStrHolder.h"

#include <QFileInfo>

#include <QStringList>
#include <algorithm>

namespace {

// Only blanks and tabs: QString::trimmed() would also eat byte 0xA0 (no-break space).
bool istBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView ohneBlanksVorn(QStringView text) {
    while (!text.isEmpty() && istBlank(text.front()))
        text = text.sliced(1);
    return text;
}

QStringView ohneBlanksHinten(QStringView text) {
    while (!text.isEmpty() && istBlank(text.back()))
        text.chop(1);
    return text;
}

QStringView ohneBlanks(QStringView text) {
    return ohneBlanksHinten(ohneBlanksVorn(text));
}

bool gleicherName(QStringView a, QStringView b) {
    return ohneBlanks(a).compare(ohneBlanks(b), Qt::CaseInsensitive) == 0;
}

int ziffernWert(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

bool hatZeilenende(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

struct TZeile {
    enum class Art { Sonstige, Abschnitt, Schluessel };
    Art art = Art::Sonstige;
    QStringView name;
    qsizetype gleich = -1;
};

// Text after the closing bracket of a section line is ignored, so "[Setup] ; note" still opens
// "Setup".
TZeile zerlegen(QStringView zeile) {
    TZeile z;
    const QStringView kern = ohneBlanks(zeile);
    if (kern.startsWith(u'[')) {
        const qsizetype zu = kern.indexOf(u']');
        if (zu > 0) {
            z.art = TZeile::Art::Abschnitt;
            z.name = ohneBlanks(kern.sliced(1, zu - 1));
            return z;
        }
    }
    const qsizetype gleich = zeile.indexOf(u'=');
    if (gleich < 0)
        return z;
    const QStringView name = ohneBlanks(zeile.first(gleich));
    if (name.isEmpty())
        return z;
    z.art = TZeile::Art::Schluessel;
    z.name = name;
    z.gleich = gleich;
    return z;
}

struct TFund {
    qsizetype zeile = -1;  // the key's line
    qsizetype gleich = -1; // position of its "="
    // Last non-blank line of the first section of the name, where a new key goes; -1 without one.
    qsizetype einfuegenNach = -1;
};

// Sections of the same name count as one; the first line of a key wins.
TFund suchen(const QStringList& zeilen, const QString& abschnitt, const QString& schluessel) {
    TFund fund;
    bool imAbschnitt = false;
    bool imErsten = false;
    bool ersterGesehen = false;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const TZeile z = zerlegen(zeilen.at(i));
        if (z.art == TZeile::Art::Abschnitt) {
            imAbschnitt = gleicherName(z.name, abschnitt);
            imErsten = imAbschnitt && !ersterGesehen;
            if (imErsten) {
                ersterGesehen = true;
                fund.einfuegenNach = i;
            }
            continue;
        }
        if (imErsten && !ohneBlanks(zeilen.at(i)).isEmpty())
            fund.einfuegenNach = i;
        if (imAbschnitt && z.art == TZeile::Art::Schluessel && gleicherName(z.name, schluessel)) {
            fund.zeile = i;
            fund.gleich = z.gleich;
            return fund;
        }
    }
    return fund;
}

bool abschnittGueltig(QStringView name) {
    return !name.isEmpty() && !name.contains(u']') && !hatZeilenende(name);
}

bool schluesselGueltig(QStringView name) {
    return !name.isEmpty() && !name.startsWith(u'[') && !name.contains(u'=') &&
           !hatZeilenende(name);
}

} // namespace

std::optional<QString> TNewIniFile::wertSuchen(const QString& abschnitt,
                                               const QString& schluessel) const {
    QStringList zeilen;
    if (!TStrHolder::laden(m_pfad, zeilen))
        return std::nullopt;
    const TFund fund = suchen(zeilen, abschnitt, schluessel);
    if (fund.zeile < 0)
        return std::nullopt;
    const QStringView wert =
        ohneBlanksVorn(QStringView(zeilen.at(fund.zeile)).sliced(fund.gleich + 1));
    return ohneBlanksHinten(wert.first(qMin(wert.size(), kMaxWertLaenge))).toString();
}

QString TNewIniFile::textLesen(const QString& abschnitt, const QString& schluessel,
                               const QString& vorgabe) const {
    return wertSuchen(abschnitt, schluessel).value_or(vorgabe);
}

int TNewIniFile::zahlLesen(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    const std::optional<QString> wert = wertSuchen(abschnitt, schluessel);
    if (!wert)
        return vorgabe;
    return zahlAusText(*wert).value_or(vorgabe);
}

bool TNewIniFile::boolLesen(const QString& abschnitt, const QString& schluessel,
                            bool vorgabe) const {
    const std::optional<QString> wert = wertSuchen(abschnitt, schluessel);
    if (!wert)
        return vorgabe;
    const std::optional<int> zahl = zahlAusText(*wert);
    return zahl ? *zahl != 0 : vorgabe;
}

bool TNewIniFile::textSchreiben(const QString& abschnitt, const QString& schluessel,
                                const QString& wert) {
    const QStringView name = ohneBlanks(abschnitt);
    const QStringView schl = ohneBlanks(schluessel);
    if (!abschnittGueltig(name) || !schluesselGueltig(schl) || hatZeilenende(wert))
        return false;

    QStringList zeilen;
    // A file that exists but cannot be read must not be replaced by the one new key.
    if (QFileInfo::exists(m_pfad) && !TStrHolder::laden(m_pfad, zeilen))
        return false;

    const TFund fund = suchen(zeilen, abschnitt, schluessel);
    if (fund.zeile >= 0) {
        // Keep the key's spelling and the spacing around "=" as the file has them.
        const QString& alt = zeilen.at(fund.zeile);
        qsizetype anfang = fund.gleich + 1;
        while (anfang < alt.size() && istBlank(alt.at(anfang)))
            ++anfang;
        zeilen[fund.zeile] = alt.first(anfang) + wert;
    } else {
        const QString neu = schl.toString() + u'=' + wert;
        if (fund.einfuegenNach >= 0) {
            zeilen.insert(fund.einfuegenNach + 1, neu);
        } else {
            zeilen.append(u'[' + name.toString() + u']');
            zeilen.append(neu);
        }
    }
    return TStrHolder::speichern(m_pfad, zeilen);
}

bool TNewIniFile::zahlSchreiben(const QString& abschnitt, const QString& schluessel, int wert) {
    return textSchreiben(abschnitt, schluessel, QString::number(wert));
}

bool TNewIniFile::boolSchreiben(const QString& abschnitt, const QString& schluessel, bool wert) {
    return textSchreiben(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<int> TNewIniFile::zahlAusText(QStringView text) {
    text = ohneBlanks(text);
    bool negativ = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negativ = text.front() == u'-';
        text = text.sliced(1);
    }
    int basis = 10;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        basis = 16;
        text = text.sliced(2);
    }
    if (text.isEmpty())
        return std::nullopt;
    quint64 betrag = 0;
    for (const QChar c : text) {
        const int ziffer = ziffernWert(c);
        if (ziffer < 0 || ziffer >= basis)
            return std::nullopt;
        betrag = betrag * basis + ziffer;
        if (betrag > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (basis == 10 && betrag > (negativ ? 0x80000000u : 0x7FFFFFFFu))
        return std::nullopt;
    // Unsigned wrap-around, so 0xFFFFFFFF and -2147483648 need no special case.
    const quint32 muster =
        negativ ? 0u - static_cast<quint32>(betrag) : static_cast<quint32>(betrag);
    return static_cast<int>(muster);
}

bool TNewIniFile::wertSpeicherbar(QStringView wert) {
    if (wert.size() > kMaxWertLaenge || hatZeilenende(wert))
        return false;
    if (!wert.isEmpty() && (istBlank(wert.front()) || istBlank(wert.back())))
        return false;
    return std::all_of(wert.begin(), wert.end(),
                       [](QChar c) { return TAnsiCodec::darstellbar(c); });
}

void TNewIniFile::IniDateiSchreiben(const QString& pfad) {
    Q_UNUSED(pfad);
}
