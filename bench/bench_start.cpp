// Time from process start to the name prompt: the parent starts itself as a child, which runs
// the real start-up of the main window (offscreen, on an empty program directory) and reports
// the moment the prompt is asked, together with its peak memory.
#include "TFakeDialoge.h"
#include "TFakePlattform.h"
#include "shell/ui/TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

class TMessendeMeldungen : public TFakeMeldungen {
public:
    bool texteingabe(const QString&, const QString&, QString&) override {
        rusage nutzung{};
        getrusage(RUSAGE_SELF, &nutzung);
        std::printf("PROMPT %ld\n", nutzung.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0);
    }
};

int kind(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    TMessendeMeldungen meldungen;
    TFakePlattform p;
    TFakeDialoge d;
    TForm1 fenster({meldungen, p.klang, p.warten, p.shell, p.uhr, p.zufall}, d);
    fenster.FormCreate(QString::fromLocal8Bit(argv[2]), false, {}, {});
    return 1; // the prompt ends the process
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && qstrcmp(argv[1], "--kind") == 0)
        return kind(argc, argv);
    QCoreApplication anwendung(argc, argv);
    QTemporaryDir programm;
    std::vector<double> zeiten;
    long speicher = 0;
    for (int lauf = 0; lauf < 11; ++lauf) {
        QProcess prozess;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        prozess.setProcessEnvironment(umgebung);
        QElapsedTimer uhr;
        uhr.start();
        prozess.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--kind"), programm.path() + QLatin1Char('/')});
        QByteArray ausgabe;
        while (!ausgabe.contains('\n') && prozess.waitForReadyRead(10000))
            ausgabe += prozess.readAllStandardOutput();
        const double ms = uhr.nsecsElapsed() / 1e6;
        prozess.waitForFinished();
        if (!ausgabe.startsWith("PROMPT")) {
            std::printf("Kind ohne Namensabfrage beendet\n");
            return 1;
        }
        if (lauf > 0) // the first run warms the caches
            zeiten.push_back(ms);
        speicher = std::max(speicher, ausgabe.mid(7).trimmed().toLong());
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Start bis Namensabfrage: Median %.1f ms (min %.1f, max %.1f, %zu Laeufe)\n",
                zeiten[zeiten.size() / 2], zeiten.front(), zeiten.back(), zeiten.size());
    std::printf("Spitzenspeicher des Programms bis zur Abfrage: %.1f MB\n", speicher / 1024.0);
    return 0;
}
