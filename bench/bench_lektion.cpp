// Loads a generated 100,000-line lesson into the real main window (offscreen, platform fakes,
// so the one-second flash costs nothing) and prints the figures of the practice loop.
#include "TFakeDialoge.h"
#include "TFakePlattform.h"
#include "lessons/TAnsiCodec.h"
#include "lessons/TLernTrainer.h"
#include "lessons/ui/TTrainerSeite.h"
#include "shell/ui/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

QByteArray lektionErzeugen(int zeilen) {
    const QStringList woerter = {QStringLiteral("Bär"),   QStringLiteral("Größe"),
                                 QStringLiteral("Übung"), QStringLiteral("Straße"),
                                 QStringLiteral("Käse"),  QStringLiteral("Löwe"),
                                 QStringLiteral("Haus"),  QStringLiteral("Baum")};
    QByteArray bytes;
    for (int i = 0; i < zeilen; ++i) {
        const QString zeile = woerter.at(i % 8) + QString::number(i) +
                              QStringLiteral(";Frage nach ") + woerter.at((i / 8) % 8) +
                              QStringLiteral(" Nr. ") + QString::number(i);
        bytes += TAnsiCodec::kodieren(zeile) + "\r\n";
    }
    return bytes;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte.empty() ? 0 : werte[werte.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.txt"));
    {
        // Only the file stays: the peak memory below is the program's.
        const QByteArray inhalt = lektionErzeugen(100000);
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
            return 1;
        std::printf("Lektion: 100000 Zeilen, %.2f MB\n", inhalt.size() / 1e6);
    }

    TFakePlattform p;
    TFakeDialoge d;
    TForm1 fenster(p.plattform(), d);
    fenster.show();
    TLernTrainer& t = fenster.trainer();

    std::vector<double> laden;
    for (int lauf = 0; lauf < 7; ++lauf) {
        p.meldungen.dateien.enqueue(pfad);
        QElapsedTimer uhr;
        uhr.start();
        fenster.aktion(QStringLiteral("Lektionladen"))->trigger();
        laden.push_back(uhr.nsecsElapsed() / 1e6);
        p.meldungen.vergessen();
    }
    std::printf("Laden und erste Aufgabe zeigen: Median %.1f ms (min %.1f, max %.1f, 7 Laeufe)\n",
                median(laden), *std::min_element(laden.begin(), laden.end()),
                *std::max_element(laden.begin(), laden.end()));

    // Every exercise: right answer typed, check, next presentation. Every 10th is wrong first.
    std::vector<double> frueh, spaet;
    int schritt = 0;
    while (!t.Sitzung.Beendet) {
        const bool falsch = schritt % 10 == 0;
        QElapsedTimer uhr;
        uhr.start();
        if (falsch) {
            fenster.seite().setzeAntwortText(QStringLiteral("falsch"));
            t.PruefBtnClick();
        }
        fenster.seite().setzeAntwortText(t.Sitzung.Antwort);
        t.PruefBtnClick();
        const double ms = uhr.nsecsElapsed() / 1e6;
        const qsizetype rest = t.Lektion.StrHolderLektionRest.size();
        if (schritt < 1000)
            frueh.push_back(ms);
        else if (rest < 1000 && !t.Sitzung.Beendet)
            spaet.push_back(ms);
        ++schritt;
        p.meldungen.vergessen();
    }
    std::printf("Pruefen und naechste Aufgabe (ohne 1000 ms Aufblinken): frueh Median %.3f ms, "
                "spaet Median %.3f ms, max frueh %.3f ms\n",
                median(frueh), median(spaet), *std::max_element(frueh.begin(), frueh.end()));
    std::printf("Schritte: %d, Fehler: %lld, Protokollzeilen: %lld\n", schritt,
                static_cast<long long>(t.Sitzung.Fehlerzahl),
                static_cast<long long>(t.LogStrHolder.size()));
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    std::printf("Spitzenspeicher des Prozesses: %.1f MB\n", nutzung.ru_maxrss / 1024.0);
    return 0;
}
