// Start-up to the name prompt, against the floor (bench_boden: a bare widgets window).
//
// bench_start --einmal DIR [tipps]: one start of the program as main.cpp wires it, with the
// real platform services, on the program directory DIR. It ends at the name prompt, after the
// window's first events were handled, and prints its peak memory. With "tipps" the tips window
// that the tips file asks for is shown (not waited for) on the way.
//
// bench_start: times both processes in pairs (floor, trainer, floor, trainer, ...) on an empty
// program directory and on one with the shipped tips file, and prints medians and the ratio.
#include "shell/TInstallation.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TAnwendungsStart.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TQtKlang.h"
#include "shell/ui/TQtMeldungen.h"
#include "shell/ui/TQtShell.h"
#include "shell/ui/TQtUhr.h"
#include "shell/ui/TQtWarten.h"
#include "shell/ui/TQtZufall.h"
#include "shell/ui/TSchriftVorlauf.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

namespace {

class TPromptEnde : public TQtMeldungen {
public:
    TPromptEnde() : TQtMeldungen(nullptr) {}
    bool texteingabe(const QString&, const QString&, QString&) override {
        QCoreApplication::processEvents();
        rusage nutzung{};
        getrusage(RUSAGE_SELF, &nutzung);
        std::printf("PROMPT %ld\n", nutzung.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0);
    }
};

// Shows the window and lets it draw once; a real modal loop would wait for the user.
class TZeigen : public IModalDialoge {
public:
    int ausfuehren(QDialog& dialog) override {
        dialog.show();
        QCoreApplication::processEvents();
        dialog.close();
        return QDialog::Accepted;
    }
};

int einmal(int argc, char* argv[]) {
    TSchriftVorlauf schriften;
    QApplication anwendung(argc, argv);
    TAnwendungsStart::einrichten(anwendung);
    TPromptEnde meldungen;
    TQtKlang klang;
    TQtWarten warten;
    TQtShell shell;
    TQtUhr uhr;
    TQtZufall zufall;
    TZeigen dialoge;
    schriften.warten();
    TForm1 fenster({meldungen, klang, warten, shell, uhr, zufall}, dialoge);
    meldungen.setzeEltern(&fenster);
    const TInstallation installation =
        TInstallation::ermitteln(QString::fromLocal8Bit(argv[2]), {});
    fenster.FormCreate(installation.ProgrammVerzeichnis, installation.Netzwerkmodus,
                       TAnwendungsStart::shellOrdner(),
                       QDir::homePath() + QStringLiteral("/.drilla/"));
    return 1; // the prompt ends the process
}

struct TLauf {
    double ms = 0;
    long kb = 0;
};

TLauf starten(const QString& programm, const QStringList& argumente, const char* marke) {
    QProcess prozess;
    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, argumente);
    prozess.waitForFinished(20000);
    TLauf lauf;
    lauf.ms = uhr.nsecsElapsed() / 1e6;
    const QByteArray ausgabe = prozess.readAllStandardOutput();
    if (!ausgabe.startsWith(marke)) {
        std::printf("%s: unerwartetes Ende\n", qPrintable(programm));
        std::exit(1);
    }
    lauf.kb = ausgabe.mid(qstrlen(marke)).trimmed().toLong();
    return lauf;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

void paare(const QString& boden, const QStringList& trainerArgumente, const char* titel) {
    const QString selbst = QCoreApplication::applicationFilePath();
    std::vector<double> b, t, verhaeltnis;
    long bKb = 0, tKb = 0;
    for (int paar = 0; paar < 16; ++paar) {
        const TLauf x = starten(boden, {}, "BODEN");
        const TLauf y = starten(selbst, trainerArgumente, "PROMPT");
        if (paar == 0)
            continue; // warms the caches
        b.push_back(x.ms);
        t.push_back(y.ms);
        verhaeltnis.push_back(y.ms / x.ms);
        bKb = std::max(bKb, x.kb);
        tKb = std::max(tKb, y.kb);
    }
    std::printf("%s: Boden %.1f ms, Trainer bis Namensabfrage %.1f ms, Verhaeltnis %.2f "
                "(Mediane aus %zu Paaren); Spitzenspeicher %.1f MB / %.1f MB\n",
                titel, median(b), median(t), median(verhaeltnis), b.size(), bKb / 1024.0,
                tKb / 1024.0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && qstrcmp(argv[1], "--einmal") == 0)
        return einmal(argc, argv);
    QCoreApplication anwendung(argc, argv);
    const QString boden = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_boden");
    QTemporaryDir leer, mitTipps;
    QFile::copy(QStringLiteral(DRILLA_DATEN_QUELLE "/drilla3.tip"),
                mitTipps.filePath(QStringLiteral("drilla3.tip")));
    paare(boden, {QStringLiteral("--einmal"), leer.path() + QLatin1Char('/')},
          "Leeres Programmverzeichnis");
    paare(boden, {QStringLiteral("--einmal"), mitTipps.path() + QLatin1Char('/')},
          "Mit Tippfenster beim Start");
    return 0;
}
