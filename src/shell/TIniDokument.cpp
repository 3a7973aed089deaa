#include "shell/TIniDokument.h"

#include "lessons/TStrHolder.h"
#include "shell/TNewIniFile.h"

#include <QFileInfo>
#include <utility>

namespace {

bool istBlank(QChar c) {
    return TNewIniFile::istBlank(c);
}

QStringView ohneBlanks(QStringView text) {
    return TNewIniFile::ohneBlanks(text);
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

// The form under which a name is indexed: blanks at the ends do not count, case does not count.
QString gefaltet(QStringView name) {
    return ohneBlanks(name).toString().toCaseFolded();
}

bool hatZeilenende(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

bool abschnittGueltig(QStringView name) {
    return !name.isEmpty() && !name.contains(u']') && !hatZeilenende(name);
}

bool schluesselGueltig(QStringView name) {
    return !name.isEmpty() && !name.startsWith(u'[') && !name.contains(u'=') &&
           !hatZeilenende(name);
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

} // namespace

TIniDokument::TIniDokument(QString pfad) : m_pfad(std::move(pfad)) {
    if (QFileInfo::exists(m_pfad) && !TStrHolder::laden(m_pfad, m_zeilen))
        m_lesbar = false;
    indizieren();
}

void TIniDokument::indizieren() {
    m_abschnitte.clear();
    TAbschnitt* aktuell = nullptr;
    bool imErsten = false;
    for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
        const QString& zeile = m_zeilen.at(i);
        const TZeile z = zerlegen(zeile);
        if (z.art == TZeile::Art::Abschnitt) {
            const QString name = gefaltet(z.name);
            imErsten = !m_abschnitte.contains(name);
            aktuell = &m_abschnitte[name];
            if (imErsten)
                aktuell->einfuegenNach = i;
            continue;
        }
        if (!aktuell)
            continue;
        if (imErsten && !ohneBlanks(zeile).isEmpty())
            aktuell->einfuegenNach = i;
        if (z.art == TZeile::Art::Schluessel) {
            const QString name = gefaltet(z.name);
            if (!aktuell->schluessel.contains(name))
                aktuell->schluessel.insert(name, i);
        }
    }
}

std::optional<QString> TIniDokument::wert(const QString& abschnitt,
                                          const QString& schluessel) const {
    const auto a = m_abschnitte.constFind(gefaltet(abschnitt));
    if (a == m_abschnitte.cend())
        return std::nullopt;
    const auto s = a->schluessel.constFind(gefaltet(schluessel));
    if (s == a->schluessel.cend())
        return std::nullopt;
    const QString& zeile = m_zeilen.at(*s);
    const QStringView wert = ohneBlanksVorn(QStringView(zeile).sliced(zeile.indexOf(u'=') + 1));
    return ohneBlanksHinten(wert.first(qMin(wert.size(), TNewIniFile::kMaxWertLaenge))).toString();
}

QString TIniDokument::textLesen(const QString& abschnitt, const QString& schluessel,
                                const QString& vorgabe) const {
    return wert(abschnitt, schluessel).value_or(vorgabe);
}

int TIniDokument::zahlLesen(const QString& abschnitt, const QString& schluessel,
                            int vorgabe) const {
    const std::optional<QString> w = wert(abschnitt, schluessel);
    if (!w)
        return vorgabe;
    return TNewIniFile::zahlAusText(*w).value_or(vorgabe);
}

bool TIniDokument::boolLesen(const QString& abschnitt, const QString& schluessel,
                             bool vorgabe) const {
    const std::optional<QString> w = wert(abschnitt, schluessel);
    if (!w)
        return vorgabe;
    const std::optional<int> zahl = TNewIniFile::zahlAusText(*w);
    return zahl ? *zahl != 0 : vorgabe;
}

void TIniDokument::zeileEinfuegen(qsizetype position, const QString& zeile) {
    m_zeilen.insert(position, zeile);
    for (TAbschnitt& a : m_abschnitte) {
        if (a.einfuegenNach >= position)
            ++a.einfuegenNach;
        for (qsizetype& z : a.schluessel) {
            if (z >= position)
                ++z;
        }
    }
}

bool TIniDokument::textSetzen(const QString& abschnitt, const QString& schluessel,
                              const QString& wert) {
    const QStringView name = ohneBlanks(abschnitt);
    const QStringView schl = ohneBlanks(schluessel);
    if (!abschnittGueltig(name) || !schluesselGueltig(schl) || !TNewIniFile::wertSpeicherbar(wert))
        return false;

    const QString abschnittsSchluessel = gefaltet(name);
    const QString schluesselName = gefaltet(schl);
    auto a = m_abschnitte.find(abschnittsSchluessel);
    if (a != m_abschnitte.end()) {
        if (const auto s = a->schluessel.constFind(schluesselName); s != a->schluessel.cend()) {
            // Keep the key's spelling and the spacing around "=" as the file has them.
            QString& zeile = m_zeilen[*s];
            qsizetype anfang = zeile.indexOf(u'=') + 1;
            while (anfang < zeile.size() && istBlank(zeile.at(anfang)))
                ++anfang;
            zeile.truncate(anfang);
            zeile += wert;
            return true;
        }
        const qsizetype position = a->einfuegenNach + 1;
        zeileEinfuegen(position, schl.toString() + u'=' + wert);
        // The next new key of the section goes after this one.
        a->einfuegenNach = position;
        a->schluessel.insert(schluesselName, position);
        return true;
    }
    m_zeilen.append(u'[' + name.toString() + u']');
    m_zeilen.append(schl.toString() + u'=' + wert);
    TAbschnitt& neu = m_abschnitte[abschnittsSchluessel];
    neu.einfuegenNach = m_zeilen.size() - 1;
    neu.schluessel.insert(schluesselName, m_zeilen.size() - 1);
    return true;
}

bool TIniDokument::zahlSetzen(const QString& abschnitt, const QString& schluessel, int wert) {
    return textSetzen(abschnitt, schluessel, QString::number(wert));
}

bool TIniDokument::boolSetzen(const QString& abschnitt, const QString& schluessel, bool wert) {
    return textSetzen(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniDokument::speichern() const {
    return m_lesbar && TStrHolder::speichern(m_pfad, m_zeilen);
}
