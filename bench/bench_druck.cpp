// Prepares, paginates and renders the main window's lesson report (platform fakes, so the
// 37 ms pause before each record costs nothing) and prints the figures.
#include "TFakePlattform.h"
#include "lessons/TLektion.h"
#include "printing/TBerichtAufbereitung.h"
#include "printing/TBerichtVorlagen.h"
#include "printing/TLektionsBerichtQuelle.h"
#include "printing/ui/TBerichtMaler.h"
#include "printing/ui/TBerichtPdf.h"
#include "shell/TOptionenModell.h"
#include "shell/TTexte.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

QStringList lektionsZeilen(int zeilen) {
    QStringList z;
    z.reserve(zeilen);
    for (int i = 0; i < zeilen; ++i)
        z.append(QStringLiteral("Straße %1;Frage nach der Größe Nr. %1").arg(i));
    return z;
}

struct TLauf {
    TLektion lektion;
    TOptionenModell optionen;
    TFakePlattform p;
    QString zusatz = TTexte::versionsZusatz();
    TBerichtLayout layout = TBerichtVorlagen::lektionsBericht(false);

    explicit TLauf(int zeilen) {
        lektion.StrHolderLektion = lektionsZeilen(zeilen);
        lektion.Pfad = QStringLiteral("/home/kind/Lektion/bench.txt");
        optionen.setzen(TOption::OhneFarbeDrucken, false);
    }
    TFertigerBericht vorbereiten() {
        TLektionsBerichtQuelle quelle(lektion, optionen, zusatz, p.warten, p.zufall);
        quelle.fuellen();
        return *TBerichtAufbereitung::vorbereiten(layout, quelle);
    }
};

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// Processor time of the process; on a shared machine steadier than the wall clock.
double cpuMs() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return (nutzung.ru_utime.tv_sec + nutzung.ru_stime.tv_sec) * 1e3 +
           (nutzung.ru_utime.tv_usec + nutzung.ru_stime.tv_usec) / 1e3;
}

double ms(const QElapsedTimer& uhr) {
    return uhr.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    std::vector<double> bildZeiten, pdfZeiten, vorbereitung;
    qsizetype seitenZahl = 0;
    for (int lauf = 0; lauf < 7; ++lauf) {
        TLauf l(1000);
        QElapsedTimer uhr;
        uhr.start();
        const TFertigerBericht b = l.vorbereiten();
        const auto seiten = b.seiten(TBerichtVorlagen::kSeitenHoehe);
        vorbereitung.push_back(ms(uhr));
        QImage bild(TBerichtVorlagen::kSeitenBreite, TBerichtVorlagen::kSeitenHoehe,
                    QImage::Format_RGB32);
        for (qsizetype i = 0; i < seiten.size(); ++i) {
            bild.fill(Qt::white);
            QPainter maler(&bild);
            TBerichtMaler::seiteMalen(maler, b, seiten.at(i), i + 1, bild.size());
        }
        bildZeiten.push_back(ms(uhr));
        seitenZahl = seiten.size();
        uhr.restart();
        const QByteArray pdf = TBerichtPdf::erzeugen(b);
        pdfZeiten.push_back(vorbereitung.back() + ms(uhr));
        // DRILLA_PDF names a file that keeps the 1000-line PDF for a look.
        if (const QString ziel = qEnvironmentVariable("DRILLA_PDF"); !ziel.isEmpty() && lauf == 0) {
            QFile datei(ziel);
            if (datei.open(QIODevice::WriteOnly))
                datei.write(pdf);
        }
    }
    std::printf("1000 Zeilen, %lld Seiten (ohne 37-ms-Pausen):\n",
                static_cast<long long>(seitenZahl));
    std::printf("  vorbereiten und aufteilen: Median %.1f ms\n", median(vorbereitung));
    std::printf("  + alle Seiten als Bild (96 dpi): Median %.1f ms\n", median(bildZeiten));
    std::printf("  + alle Seiten als PDF: Median %.1f ms\n", median(pdfZeiten));

    TLauf gross(100000);
    QElapsedTimer uhr;
    uhr.start();
    const double cpuStart = cpuMs();
    const TFertigerBericht b = gross.vorbereiten();
    const double vorbereitet = ms(uhr);
    const QByteArray pdf = TBerichtPdf::erzeugen(b);
    std::printf("100000 Zeilen, %lld Seiten: vorbereiten %.0f ms, bis PDF fertig %.0f ms "
                "(Prozessorzeit %.0f ms, %.1f MB)\n",
                static_cast<long long>(b.seiten(TBerichtVorlagen::kSeitenHoehe).size()),
                vorbereitet, ms(uhr), cpuMs() - cpuStart, pdf.size() / 1e6);
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    std::printf("Spitzenspeicher des Prozesses: %.1f MB\n", nutzung.ru_maxrss / 1024.0);
    return 0;
}
