// Opening the font window: building it, filling the face list and the character table, and
// painting it once, the wait between the menu click and a usable window.
#include "TFakeMeldungen.h"
#include "shell/TSchriftWahl.h"
#include "shell/ui/TfrmLMDFontForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    TFakeMeldungen meldungen;
    std::vector<double> zeiten;
    double erstes = 0;
    for (int lauf = 0; lauf < 30; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        TfrmLMDFontForm fenster(TSchriftWahl::fensterVorgabe(), meldungen, 0, nullptr);
        fenster.show();
        fenster.repaint(); // synchronous: every control painted once
        const double ms = uhr.nsecsElapsed() / 1e6;
        if (lauf == 0)
            erstes = ms;
        zeiten.push_back(ms);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Schriftauswahl oeffnen: erstes Mal %.2f ms, Median %.2f ms (min %.2f, max %.2f, "
                "30 Laeufe; Ziel unter 100 ms)\n",
                erstes, zeiten[zeiten.size() / 2], zeiten.front(), zeiten.back());
    return 0;
}
