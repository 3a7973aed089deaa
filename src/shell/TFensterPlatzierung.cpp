#include "shell/TFensterPlatzierung.h"

#include "shell/TIniDokument.h"
#include "shell/TNewIniFile.h"

#include <QList>
#include <algorithm>
#include <array>

namespace {

const QString kFormVersion = QStringLiteral("FormVersion");
const QString kFlags = QStringLiteral("Flags");
const QString kShowCmd = QStringLiteral("ShowCmd");
const QString kPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString kMinMaxPos = QStringLiteral("MinMaxPos");
const QString kNormPos = QStringLiteral("NormPos");
const QString kVisible = QStringLiteral("Visible");

// Exactly four numbers separated by commas; anything else counts as missing.
std::optional<std::array<int, 4>> vierZahlen(const QString& text) {
    const QList<QStringView> teile = QStringView(text).split(u',');
    if (teile.size() != 4)
        return std::nullopt;
    std::array<int, 4> zahlen{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> zahl = TNewIniFile::zahlAusText(teile.at(i));
        if (!zahl)
            return std::nullopt;
        zahlen[i] = *zahl;
    }
    return zahlen;
}

QString vierZahlenText(int a, int b, int c, int d) {
    return QString::asprintf("%d,%d,%d,%d", a, b, c, d);
}

int aufInt(qint64 wert) {
    return static_cast<int>(
        std::clamp<qint64>(wert, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// One axis: the extent limited to the space, then the start moved so that it fits inside.
std::pair<qint64, qint64> achseEinpassen(qint64 anfang, qint64 ende, qint64 raumAnfang,
                                         qint64 raumLaenge, qint64 mindestens) {
    const qint64 laenge = std::clamp(ende - anfang, std::min(mindestens, raumLaenge), raumLaenge);
    anfang = std::clamp(anfang, raumAnfang, raumAnfang + raumLaenge - laenge);
    return {anfang, laenge};
}

} // namespace

void TFensterPlatzierung::normalRechteckSetzen(const QRect& r) {
    Links = r.left();
    Oben = r.top();
    // QRect::width() itself overflows for a rectangle spanning the int range.
    Rechts = aufInt(qint64(r.right()) + 1);
    Unten = aufInt(qint64(r.bottom()) + 1);
}

QRect TFensterPlatzierung::normalRechteck() const {
    // Edges from a file can be any integer: the difference is taken in 64 bits and the result
    // kept where QRect itself cannot overflow.
    constexpr qint64 kGrenze = 1 << 24;
    const qint64 l = std::clamp<qint64>(Links, -kGrenze, kGrenze);
    const qint64 o = std::clamp<qint64>(Oben, -kGrenze, kGrenze);
    const qint64 r = std::clamp<qint64>(Rechts, -kGrenze, kGrenze);
    const qint64 u = std::clamp<qint64>(Unten, -kGrenze, kGrenze);
    return {int(l), int(o), int(r - l), int(u - o)};
}

QRect TFensterPlatzierung::rechteckAuf(const QRect& verfuegbar) const {
    if (verfuegbar.isEmpty())
        return normalRechteck();
    const auto [x, breite] =
        achseEinpassen(Links, Rechts, verfuegbar.left(), verfuegbar.width(), kMindestBreite);
    const auto [y, hoehe] =
        achseEinpassen(Oben, Unten, verfuegbar.top(), verfuegbar.height(), kMindestHoehe);
    return {int(x), int(y), int(breite), int(hoehe)};
}

std::optional<TFensterPlatzierung::TZustand> TFensterPlatzierung::zustand() const {
    switch (ShowCmd) {
    case 3:
        return TZustand::Maximiert;
    case 2:
    case 6:
    case 7:
        return TZustand::Minimiert;
    case 1:
    case 5:
    case 9:
        return TZustand::Normal;
    default:
        return std::nullopt;
    }
}

std::optional<TFensterPlatzierung> TFensterPlatzierung::Lesen(const QString& pfad,
                                                              int aktuellePpi) {
    const TIniDokument ini(pfad);
    const QString abs = abschnitt();
    TFensterPlatzierung p;
    p.Flags = ini.zahlLesen(abs, kFlags, 0);
    // 0 is the platform's "hide", which this program never restores.
    p.ShowCmd = ini.zahlLesen(abs, kShowCmd, 0);
    p.PixelsPerInch = ini.zahlLesen(abs, kPixelsPerInch, aktuellePpi);
    if (const auto mm = vierZahlen(ini.textLesen(abs, kMinMaxPos, QString()))) {
        p.MinPos = {(*mm)[0], (*mm)[1]};
        p.MaxPos = {(*mm)[2], (*mm)[3]};
    }
    if (p.PixelsPerInch == aktuellePpi) {
        if (const auto np = vierZahlen(ini.textLesen(abs, kNormPos, QString()))) {
            if ((*np)[0] < (*np)[2]) {
                p.Links = (*np)[0];
                p.Oben = (*np)[1];
                p.Rechts = (*np)[2];
                p.Unten = (*np)[3];
            }
        }
    }
    if (!p.rechteckGueltig() && !p.zustand())
        return std::nullopt;
    return p;
}

bool TFensterPlatzierung::Schreiben(const QString& pfad, const TFensterPlatzierung& p) {
    TIniDokument ini(pfad);
    const QString abs = abschnitt();
    return ini.zahlSetzen(abs, kFormVersion, 0) && ini.zahlSetzen(abs, kFlags, p.Flags) &&
           ini.zahlSetzen(abs, kShowCmd, p.ShowCmd) &&
           ini.zahlSetzen(abs, kPixelsPerInch, p.PixelsPerInch) &&
           ini.textSetzen(abs, kMinMaxPos,
                          vierZahlenText(p.MinPos.x(), p.MinPos.y(), p.MaxPos.x(), p.MaxPos.y())) &&
           ini.textSetzen(abs, kNormPos, vierZahlenText(p.Links, p.Oben, p.Rechts, p.Unten)) &&
           ini.boolSetzen(abs, kVisible, false) && ini.speichern();
}
