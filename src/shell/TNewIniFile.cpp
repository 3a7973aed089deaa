#include "shell/TNewIniFile.h"

#include "lessons/TAnsiCodec.h"
#include "shell/TIniDokument.h"

#include <algorithm>

namespace {

bool hatZeilenende(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
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

} // namespace

bool TNewIniFile::istBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView TNewIniFile::ohneBlanks(QStringView text) {
    while (!text.isEmpty() && istBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && istBlank(text.back()))
        text.chop(1);
    return text;
}

QString TNewIniFile::textLesen(const QString& abschnitt, const QString& schluessel,
                               const QString& vorgabe) const {
    return TIniDokument(m_pfad).textLesen(abschnitt, schluessel, vorgabe);
}

int TNewIniFile::zahlLesen(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    return TIniDokument(m_pfad).zahlLesen(abschnitt, schluessel, vorgabe);
}

bool TNewIniFile::boolLesen(const QString& abschnitt, const QString& schluessel,
                            bool vorgabe) const {
    return TIniDokument(m_pfad).boolLesen(abschnitt, schluessel, vorgabe);
}

bool TNewIniFile::textSchreiben(const QString& abschnitt, const QString& schluessel,
                                const QString& wert) {
    TIniDokument dokument(m_pfad);
    return dokument.textSetzen(abschnitt, schluessel, wert) && dokument.speichern();
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

QString TNewIniFile::speicherbarMachen(const QString& wert) {
    QString text = TAnsiCodec::ersetzen(wert);
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            c = u'?';
    }
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && istBlank(text.at(anfang)))
        ++anfang;
    ende = qMin(ende, anfang + kMaxWertLaenge);
    while (ende > anfang && istBlank(text.at(ende - 1)))
        --ende;
    return text.sliced(anfang, ende - anfang);
}

void TNewIniFile::IniDateiSchreiben(const QString& pfad) {
    Q_UNUSED(pfad);
}
