// Import of a large KVTML file and the learning-progress chart of a ten-year log.
#include "TFakePlattform.h"
#include "austausch/TKvtmlDokument.h"
#include "austausch/TLektionsAustausch.h"
#include "austausch/ui/TFormLernfortschritt.h"
#include "lessons/TAuswertung.h"
#include "shell/ui/TBerichtModulLader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList zeilen;
    for (int i = 0; i < 100000; ++i)
        zeilen << QStringLiteral("Antwort Nr. %1 mit Ä;Aufgabe Nr. %1 & <mehr>").arg(i);
    const QByteArray kvtml = TLektionsAustausch::nachKvtml(zeilen, QStringLiteral("Gross"));
    QElapsedTimer uhr;
    uhr.start();
    const TKvtmlDokument d = TKvtmlDokument::lesen(kvtml);
    const auto eintraege = TLektionsAustausch::ausKvtml(d, 0, 1);
    TLektionsAustausch::pruefen(eintraege);
    const QStringList ergebnis = TLektionsAustausch::zeilen(eintraege, false);
    const qint64 import = uhr.elapsed();
    std::printf("KVTML-Import, 100000 Einträge (%lld KB): %lld ms (Ziel < 1000 ms)%s\n",
                static_cast<long long>(kvtml.size() / 1024), static_cast<long long>(import),
                ergebnis == zeilen ? "" : " FALSCH");

    const QLocale de(QLocale::German, QLocale::Germany);
    QStringList log;
    const QDateTime start(QDate(2016, 1, 1), QTime(8, 0));
    for (int i = 0; i < 50000; ++i) {
        const QDateTime t = start.addSecs(qint64(i) * 6311);
        log << TAuswertung::abschlussEintrag(
            QStringLiteral("Schüler %1").arg(i % 12), TAuswertung::datumText(t, de),
            QStringLiteral("/lektionen/lektion%1.txt").arg(i % 40), i % 9);
    }
    TFakePlattform p;
    uhr.restart();
    TFormLernfortschritt f(
        log, de, [](const QString&) -> qsizetype { return 20; }, p.meldungen,
        *TBerichtModulLader::modul(), nullptr);
    f.show();
    QImage bild(f.size(), QImage::Format_RGB32);
    {
        QPainter maler(&bild);
        f.diagrammMalen(maler, QRectF(bild.rect()));
    }
    const qint64 diagramm = uhr.elapsed();
    std::printf("Lernfortschritt, 50000 Einträge über 10 Jahre: %lld ms (Ziel < 200 ms), "
                "%lld Durchgänge gelesen\n",
                static_cast<long long>(diagramm), static_cast<long long>(f.inhalt().laeufe.size()));
    return 0;
}
