#include "shell/TFensterPlatzierung.h"

#include "shell/TNewIniFile.h"

#include <QList>
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

} // namespace

void TFensterPlatzierung::normalRechteckSetzen(const QRect& r) {
    Links = r.left();
    Oben = r.top();
    Rechts = r.left() + r.width();
    Unten = r.top() + r.height();
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
    const TNewIniFile ini(pfad);
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
    TNewIniFile ini(pfad);
    const QString abs = abschnitt();
    return ini.zahlSchreiben(abs, kFormVersion, 0) && ini.zahlSchreiben(abs, kFlags, p.Flags) &&
           ini.zahlSchreiben(abs, kShowCmd, p.ShowCmd) &&
           ini.zahlSchreiben(abs, kPixelsPerInch, p.PixelsPerInch) &&
           ini.textSchreiben(
               abs, kMinMaxPos,
               vierZahlenText(p.MinPos.x(), p.MinPos.y(), p.MaxPos.x(), p.MaxPos.y())) &&
           ini.textSchreiben(abs, kNormPos, vierZahlenText(p.Links, p.Oben, p.Rechts, p.Unten)) &&
           ini.boolSchreiben(abs, kVisible, false);
}
