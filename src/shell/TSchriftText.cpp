#include "shell/TSchriftText.h"

#include <QStringList>

#include <array>
#include <limits>

namespace {

struct TFarbName {
    const char* name;
    quint32 wert;
};

constexpr quint32 kSystemFarbe = 0x80000000;

constexpr std::array<TFarbName, 42> kFarbNamen = {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clScrollBar", kSystemFarbe | 0},
    {"clBackground", kSystemFarbe | 1},
    {"clActiveCaption", kSystemFarbe | 2},
    {"clInactiveCaption", kSystemFarbe | 3},
    {"clMenu", kSystemFarbe | 4},
    {"clWindow", kSystemFarbe | 5},
    {"clWindowFrame", kSystemFarbe | 6},
    {"clMenuText", kSystemFarbe | 7},
    {"clWindowText", kSystemFarbe | 8},
    {"clCaptionText", kSystemFarbe | 9},
    {"clActiveBorder", kSystemFarbe | 10},
    {"clInactiveBorder", kSystemFarbe | 11},
    {"clAppWorkSpace", kSystemFarbe | 12},
    {"clHighlight", kSystemFarbe | 13},
    {"clHighlightText", kSystemFarbe | 14},
    {"clBtnFace", kSystemFarbe | 15},
    {"clBtnShadow", kSystemFarbe | 16},
    {"clGrayText", kSystemFarbe | 17},
    {"clBtnText", kSystemFarbe | 18},
    {"clInactiveCaptionText", kSystemFarbe | 19},
    {"clBtnHighlight", kSystemFarbe | 20},
    {"cl3DDkShadow", kSystemFarbe | 21},
    {"cl3DLight", kSystemFarbe | 22},
    {"clInfoText", kSystemFarbe | 23},
    {"clInfoBk", kSystemFarbe | 24},
    {"clNone", 0x1FFFFFFF},
}};

bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexWert(QChar c) {
    if (istZiffer(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// Parsed by hand: QString::toInt would also take blanks and non-ASCII digits.
std::optional<qint32> dezimalLesen(const QString& text) {
    qsizetype i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negativ = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    const qint64 grenze = negativ ? -qint64(std::numeric_limits<qint32>::min())
                                  : qint64(std::numeric_limits<qint32>::max());
    qint64 wert = 0;
    for (; i < text.size(); ++i) {
        if (!istZiffer(text[i]))
            return std::nullopt;
        wert = wert * 10 + (text[i].unicode() - u'0');
        if (wert > grenze)
            return std::nullopt;
    }
    return static_cast<qint32>(negativ ? -wert : wert);
}

std::optional<quint32> hexLesen(const QString& ziffern) {
    if (ziffern.isEmpty())
        return std::nullopt;
    quint64 wert = 0;
    for (const QChar c : ziffern) {
        const int ziffer = hexWert(c);
        if (ziffer < 0)
            return std::nullopt;
        wert = wert * 16 + quint64(ziffer);
        if (wert > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return static_cast<quint32>(wert);
}

// Takes the field up to the next comma off the front of `rest`; false when no comma follows.
bool feldAbnehmen(QString& rest, QString& feld) {
    const qsizetype komma = rest.indexOf(u',');
    if (komma < 0)
        return false;
    feld = rest.left(komma).left(TSchriftText::kMaxFeldLaenge);
    rest.remove(0, komma + 1);
    return true;
}

} // namespace

std::optional<quint32> TSchriftText::farbeAusName(const QString& name) {
    for (const TFarbName& eintrag : kFarbNamen) {
        if (name.compare(QLatin1String(eintrag.name), Qt::CaseInsensitive) == 0)
            return eintrag.wert;
    }
    return std::nullopt;
}

QString TSchriftText::farbName(quint32 farbe) {
    for (const TFarbName& eintrag : kFarbNamen) {
        if (eintrag.wert == farbe)
            return QString::fromLatin1(eintrag.name);
    }
    return {};
}

std::optional<quint32> TSchriftText::farbeLesen(const QString& text) {
    if (const auto wert = farbeAusName(text))
        return wert;
    if (text.startsWith(u'$'))
        return hexLesen(text.mid(1));
    // Negative numbers stand for the same bit pattern, so system colours can be given in decimal.
    if (const auto wert = dezimalLesen(text))
        return static_cast<quint32>(*wert);
    return std::nullopt;
}

QString TSchriftText::farbeSchreiben(quint32 farbe) {
    const QString name = farbName(farbe);
    if (!name.isEmpty())
        return name;
    return u'$' + QStringLiteral("%1").arg(farbe, 8, 16, QLatin1Char('0')).toUpper();
}

namespace {

// The name up to the first single comma; a doubled comma stands for a comma of the name. Strings
// without a comma in the name read as before: there a colour, never a comma, follows the first one.
bool nameAbnehmen(QString& rest, QString& name) {
    name.clear();
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] != u',') {
            name += rest[i];
            continue;
        }
        if (i + 1 < rest.size() && rest[i + 1] == u',') {
            name += u',';
            ++i;
            continue;
        }
        name.truncate(TSchriftText::kMaxFeldLaenge);
        rest.remove(0, i + 1);
        return true;
    }
    return false;
}

// Colour, size, pitch and styles; false when the text is incomplete or invalid.
bool felderLesen(QString rest, TSchriftDaten& schrift) {
    QString feld;
    if (!feldAbnehmen(rest, feld))
        return false;
    const auto farbe = TSchriftText::farbeLesen(feld);
    if (!farbe)
        return false;
    schrift.Farbe = *farbe;

    if (!feldAbnehmen(rest, feld))
        return false;
    const auto groesse = dezimalLesen(feld);
    if (!groesse)
        return false;
    schrift.Groesse = *groesse;

    if (!feldAbnehmen(rest, feld))
        return false;
    if (feld == u"d")
        schrift.Abstand = TSchriftDaten::TAbstand::Standard;
    else if (feld == u"v")
        schrift.Abstand = TSchriftDaten::TAbstand::Variabel;
    else if (feld == u"f")
        schrift.Abstand = TSchriftDaten::TAbstand::Fest;

    // Further commas belong to the style field; they are skipped like any unknown character.
    for (const QChar c : rest.left(TSchriftText::kMaxFeldLaenge)) {
        if (c == u'b')
            schrift.Fett = true;
        else if (c == u'i')
            schrift.Kursiv = true;
        else if (c == u's')
            schrift.Durchgestrichen = true;
        else if (c == u'u')
            schrift.Unterstrichen = true;
    }
    return true;
}

} // namespace

TSchriftDaten TSchriftText::SchriftLaden(const QString& text, const TSchriftDaten& vorgabe) {
    TSchriftDaten schrift;
    QString rest = text;
    if (nameAbnehmen(rest, schrift.Name) && felderLesen(rest, schrift))
        return schrift;

    // Earlier versions wrote a comma of the name as it is. Their writer never put a comma into
    // the other fields, so the last four commas end the name.
    qsizetype komma = text.size();
    for (int n = 0; n < 4 && komma > 0; ++n)
        komma = text.lastIndexOf(u',', komma - 1);
    if (komma <= 0 || !text.left(komma).contains(u','))
        return vorgabe;
    schrift = TSchriftDaten();
    schrift.Name = text.left(komma).left(kMaxFeldLaenge);
    if (felderLesen(text.mid(komma + 1), schrift))
        return schrift;
    return vorgabe;
}

QString TSchriftText::SchriftSpeichern(const TSchriftDaten& schrift) {
    QString abstand;
    switch (schrift.Abstand) {
    case TSchriftDaten::TAbstand::Standard:
        abstand = QStringLiteral("d");
        break;
    case TSchriftDaten::TAbstand::Variabel:
        abstand = QStringLiteral("v");
        break;
    case TSchriftDaten::TAbstand::Fest:
        abstand = QStringLiteral("f");
        break;
    }
    QString stile;
    if (schrift.Fett)
        stile += u'b';
    if (schrift.Kursiv)
        stile += u'i';
    if (schrift.Unterstrichen)
        stile += u'u';
    if (schrift.Durchgestrichen)
        stile += u's';
    // A comma of the name is doubled, so that it does not end the field.
    const QString name = schrift.Name.left(kMaxFeldLaenge).replace(u',', QStringLiteral(",,"));
    return QStringList{name, farbeSchreiben(schrift.Farbe), QString::number(schrift.Groesse),
                       abstand, stile}
        .join(u',');
}
