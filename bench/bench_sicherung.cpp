// Backs up a generated lesson directory of 1,000 files (5 MB) into a local folder, the way the
// backup window does it without its progress window, and prints the figures.
#include "TFakeMeldungen.h"
#include "backup/TDatensicherung.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDateien = 1000;
constexpr int kGroesse = 5000;

bool lektionenErzeugen(const QString& ordner) {
    for (int i = 0; i < kDateien; ++i) {
        QByteArray bytes;
        while (bytes.size() < kGroesse)
            bytes += "Haus" + QByteArray::number(i) + ";house " + QByteArray::number(bytes.size()) +
                     "\r\n";
        bytes.truncate(kGroesse);
        QFile datei(ordner + QStringLiteral("/lektion%1.txt").arg(i, 4, 10, QLatin1Char('0')));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication anwendung(argc, argv);
    QTemporaryDir basis;
    const QString quelle = basis.filePath(QStringLiteral("Lektion"));
    if (!QDir().mkpath(quelle) || !lektionenErzeugen(quelle))
        return 1;
    std::printf("Lektionsverzeichnis: %d Dateien, %.2f MB, in %s\n", kDateien,
                kDateien * kGroesse / 1e6, qPrintable(basis.path()));

    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 5; ++lauf) {
        const QString ziel = basis.filePath(QStringLiteral("Sicherung%1").arg(lauf));
        if (!QDir().mkpath(ziel))
            return 1;
        TFakeMeldungen meldungen;
        QElapsedTimer uhr;
        uhr.start();
        const auto ergebnis = TDatensicherung(meldungen, 0).sichern(quelle, ziel, nullptr);
        const double ms = uhr.nsecsElapsed() / 1e6;
        if (ergebnis != TDatensicherung::Ergebnis::Gesichert || !meldungen.leer() ||
            QDir(ziel).entryList(QDir::Files).size() != kDateien)
            return 1;
        zeiten.push_back(ms);
        std::printf("Sicherung %d: %.1f ms\n", lauf + 1, ms);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Median: %.1f ms, schlechtester Lauf: %.1f ms (Ziel: unter 1000 ms)\n",
                zeiten[zeiten.size() / 2], zeiten.back());
    return 0;
}
