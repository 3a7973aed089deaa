// Opens a generated 100,000-row lesson in the real editor page (offscreen, platform fakes) and
// prints the figures of loading, the row commands and saving.
#include "TFakeDialoge.h"
#include "TFakePlattform.h"
#include "editor/ui/TFormEditor.h"
#include "shell/ui/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte.empty() ? 0 : werte[werte.size() / 2];
}

// The command's own time and the repaint it causes.
double messen(const std::function<void()>& befehl) {
    QElapsedTimer uhr;
    uhr.start();
    befehl();
    QApplication::processEvents();
    return uhr.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.txt"));
    QByteArray inhalt;
    for (int i = 0; i < 100000; ++i)
        inhalt += "Antwort " + QByteArray::number(i) + ";Frage Nummer " + QByteArray::number(i) +
                  " mit etwas Text\r\n";
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        return 1;
    datei.close();
    std::printf("Lektion: 100000 Zeilen, %.2f MB\n", inhalt.size() / 1e6);

    TFakePlattform p;
    TFakeDialoge d;
    TForm1 fenster(p.plattform(), d);
    fenster.lauf().Verzeichnisse.Lektion = ordner.path() + QLatin1Char('/');
    fenster.show();
    QApplication::processEvents();
    fenster.aktion(QStringLiteral("GeladeneLektionBearbeiten"))->trigger();
    TEditor& e = fenster.editorSeite()->editor();

    std::vector<double> laden;
    for (int lauf = 0; lauf < 7; ++lauf) {
        p.meldungen.dateien.enqueue(pfad);
        p.meldungen.antworten.enqueue(true);
        laden.push_back(messen([&] { e.LektionLadenClick(); }));
        p.meldungen.vergessen();
    }
    std::printf("Lektion laden und Tabelle zeigen: Median %.1f ms (max %.1f, 7 Laeufe)\n",
                median(laden), *std::max_element(laden.begin(), laden.end()));

    const struct {
        const char* name;
        std::function<void()> befehl;
    } befehle[] = {
        {"Nach oben verschieben", [&] { e.NachObenBtnClick(); }},
        {"Nach unten verschieben", [&] { e.NachUntenBtnClick(); }},
        {"Kopieren (verdoppeln)", [&] { e.LMDExplorerButton4Click(); }},
        {"Einfuegen", [&] { e.Paste1Click(); }},
        {"Loeschen",
         [&] {
             p.meldungen.antworten.enqueue(true);
             e.LoeschBtnClick();
         }},
    };
    e.Copy1Click();
    for (const auto& b : befehle) {
        std::vector<double> zeiten;
        for (int i = 0; i < 21; ++i) {
            e.LMDListBox1Click(50000);
            QApplication::processEvents();
            zeiten.push_back(messen(b.befehl));
            p.meldungen.vergessen();
        }
        std::printf("%s (Zeile 50001): Median %.3f ms, max %.3f ms\n", b.name, median(zeiten),
                    *std::max_element(zeiten.begin(), zeiten.end()));
    }

    std::vector<double> speichern;
    for (int i = 0; i < 7; ++i)
        speichern.push_back(messen([&] { e.speichernClick(); }));
    std::printf("Speichern: Median %.1f ms (max %.1f, 7 Laeufe), %lld Zeilen\n", median(speichern),
                *std::max_element(speichern.begin(), speichern.end()),
                static_cast<long long>(e.LMDListBox1.anzahl()));
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    std::printf("Spitzenspeicher des Prozesses: %.1f MB\n", nutzung.ru_maxrss / 1024.0);
    return 0;
}
