// Start-up to the name prompt, against the floor (bench_boden: a bare widgets window).
//
// bench_start --einmal DIR [tipps]: one start of the program as main.cpp wires it, with the
// real platform services, on the program directory DIR. It ends at the name prompt, after the
// window's first events were handled, and prints its peak memory. With "tipps" the tips window
// that the tips file asks for is shown (not waited for) on the way.
//
// bench_start: times both processes in pairs (floor, trainer, floor, trainer, ...) on an empty
// program directory and on one with the shipped tips file, and prints medians and the ratio:
// on the offscreen platform, and in a real X server when there is one (DISPLAY, or an Xvfb of
// its own when the program Xvfb is installed). DRILLA_PAARE sets the number of pairs (21).
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
#include <QProcessEnvironment>
#include <QStandardPaths>
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

TLauf starten(const QString& programm, const QStringList& argumente,
              const QProcessEnvironment& umgebung, const char* marke) {
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, argumente);
    prozess.waitForFinished(20000);
    TLauf lauf;
    lauf.ms = uhr.nsecsElapsed() / 1e6;
    const QByteArray ausgabe = prozess.readAllStandardOutput();
    if (!ausgabe.startsWith(marke)) {
        std::printf("%s: unerwartetes Ende\n%s", qPrintable(programm),
                    prozess.readAllStandardError().constData());
        std::exit(1);
    }
    lauf.kb = ausgabe.mid(qstrlen(marke)).trimmed().toLong();
    return lauf;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

void paare(const QString& boden, const QStringList& trainerArgumente,
           const QProcessEnvironment& umgebung, int anzahl, const QString& titel) {
    const QString selbst = QCoreApplication::applicationFilePath();
    std::vector<double> b, t, verhaeltnis, bMb, tMb;
    for (int paar = 0; paar <= anzahl; ++paar) {
        const TLauf x = starten(boden, {}, umgebung, "BODEN");
        const TLauf y = starten(selbst, trainerArgumente, umgebung, "PROMPT");
        if (paar == 0)
            continue; // warms the caches
        b.push_back(x.ms);
        t.push_back(y.ms);
        verhaeltnis.push_back(y.ms / x.ms);
        bMb.push_back(x.kb / 1024.0);
        tMb.push_back(y.kb / 1024.0);
    }
    std::printf("%s: Boden %.1f ms, Trainer bis Namensabfrage %.1f ms, Verhaeltnis %.2f "
                "(Mediane aus %d Paaren, Verhaeltnisse %.2f bis %.2f); "
                "Spitzenspeicher %.1f MB / %.1f MB\n",
                qPrintable(titel), median(b), median(t), median(verhaeltnis), anzahl,
                *std::min_element(verhaeltnis.begin(), verhaeltnis.end()),
                *std::max_element(verhaeltnis.begin(), verhaeltnis.end()), median(bMb),
                median(tMb));
    std::fflush(stdout);
}

// An X server for the run: the desktop's own, or an Xvfb of the benchmark's own.
class TXServer {
public:
    TXServer() {
        if (qEnvironmentVariableIsSet("DISPLAY")) {
            m_anzeige = qEnvironmentVariable("DISPLAY");
            return;
        }
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        // -displayfd writes the number it chose once the server accepts connections.
        m_prozess.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        QByteArray nummer;
        while (!nummer.contains('\n') && m_prozess.waitForReadyRead(10000))
            nummer += m_prozess.readAllStandardOutput();
        if (nummer.trimmed().isEmpty())
            return;
        m_anzeige = QLatin1Char(':') + QString::fromLatin1(nummer.trimmed());
    }
    ~TXServer() {
        if (m_prozess.state() != QProcess::NotRunning) {
            m_prozess.terminate();
            m_prozess.waitForFinished(5000);
        }
    }
    QString anzeige() const { return m_anzeige; }
    bool eigenes() const { return m_prozess.state() != QProcess::NotRunning; }

private:
    QProcess m_prozess;
    QString m_anzeige;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && qstrcmp(argv[1], "--einmal") == 0)
        return einmal(argc, argv);
    QCoreApplication anwendung(argc, argv);
    const QString boden = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_boden");
    const int anzahl = qEnvironmentVariableIntValue("DRILLA_PAARE") > 0
                           ? qEnvironmentVariableIntValue("DRILLA_PAARE")
                           : 21;
    QTemporaryDir leer, mitTipps;
    QFile::copy(QStringLiteral(DRILLA_DATEN_QUELLE "/drilla3.tip"),
                mitTipps.filePath(QStringLiteral("drilla3.tip")));
    const struct {
        QString ordner;
        const char* titel;
    } faelle[] = {{leer.path() + QLatin1Char('/'), "leeres Programmverzeichnis"},
                  {mitTipps.path() + QLatin1Char('/'), "mit Tippfenster beim Start"}};

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto& fall : faelle)
        paare(boden, {QStringLiteral("--einmal"), fall.ordner}, umgebung, anzahl,
              QStringLiteral("Offscreen, %1").arg(QLatin1String(fall.titel)));

    const TXServer x;
    if (x.anzeige().isEmpty()) {
        std::printf("X-Server: keiner (DISPLAY leer, Xvfb nicht installiert)\n");
        return 0;
    }
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    umgebung.insert(QStringLiteral("DISPLAY"), x.anzeige());
    for (const auto& fall : faelle)
        paare(boden, {QStringLiteral("--einmal"), fall.ordner}, umgebung, anzahl,
              QStringLiteral("X-Server %1%2, %3")
                  .arg(x.anzeige(), x.eigenes() ? QStringLiteral(" (Xvfb)") : QString(),
                       QLatin1String(fall.titel)));
    return 0;
}
