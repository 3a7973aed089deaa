#include "tiles/TZeichenfeldRaster.h"

#include <cmath>

namespace {

// Small pages give negative steps; lround rounds those away from zero like positive ones.
int gerundet(int zaehler, int nenner) {
    return static_cast<int>(std::lround(static_cast<double>(zaehler) / nenner));
}

} // namespace

TZeichenfeldRaster::TErgebnis TZeichenfeldRaster::berechnen(const TEingabe& e) {
    TErgebnis r;
    r.breiteGroupBox1 = e.seitenBreite - e.linksGroupBox1 - 30;
    r.breiteGroupBox2 = e.seitenBreite - e.linksGroupBox2 - 30;
    // The suggestion boxes follow the answer box's left, not their own.
    r.breiteGroupBox3und4 = e.seitenBreite - e.linksGroupBox2 - 30;
    r.breiteAntwortEdit = r.breiteGroupBox2 - 2 * e.linksAntwortEdit;
    r.spaltenSchritt = gerundet(r.breiteGroupBox2, kSpalten);
    r.zeilenSchritt = gerundet(e.seitenHoehe - e.statusLeistenHoehe - e.feld1.y() - 10, kZeilen);

    auto& f = r.felder;
    f[0] = e.feld1;
    for (int n = 1; n < kSpalten; ++n)
        f[n] = QPoint(f[n - 1].x() + r.spaltenSchritt, e.feld1.y());
    for (int zeile = 1; zeile < kZeilen; ++zeile) {
        const int erstes = zeile * kSpalten;
        const int top = f[erstes - kSpalten].y() + r.zeilenSchritt;
        // The first tile of a row keeps its designed left, that of tile 1.
        f[erstes] = QPoint(e.feld1.x(), top);
        for (int k = 1; k < kSpalten; ++k)
            f[erstes + k] = QPoint(f[k - 1].x() + r.spaltenSchritt, top);
    }
    return r;
}
