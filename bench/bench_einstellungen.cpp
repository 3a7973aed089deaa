// Start-up and shutdown of the settings files as the main window drives them, with a settings
// file of about 1 MB: every file is read as at start and written as at shutdown. Prints the
// median of several rounds; the whole process can be timed from outside as well.
#include "TTestDateien.h"
#include "lessons/TOptionen.h"
#include "shell/TEinstellungen.h"
#include "shell/TFensterPlatzierung.h"
#include "shell/TTippsDatei.h"
#include "tiles/TTastenbelegung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray grosseEinstellungen(qsizetype zielGroesse) {
    QByteArray b = "[Setup]\r\nMenuSchrift=Arial,clBlack,12,d,\r\nAZSchrift=Arial,clBlack,14,d,\r\n"
                   "Ton=1\r\npopupHilfe=1\r\nAnrede=0\r\nLetzte_Lektion=/home/max/Englisch.txt\r\n"
                   "Benutzer=Max\r\nFelder_drehen=0\r\nSofortPr\xfc"
                   "fen=0\r\nLesemodus=0\r\nOhneFarbeDrucken=1\r\n\r\n";
    for (int n = 0; b.size() < zielGroesse; ++n) {
        b += "[Polster" + QByteArray::number(n) + "]\r\n";
        for (int k = 0; k < 20; ++k)
            b += "Eintrag" + QByteArray::number(k) + "=Ein Wert, der nur Platz braucht\r\n";
    }
    b += "[Historie]\r\n";
    for (int k = 1; k <= 5; ++k)
        b += "Letzte_Lektion#" + QByteArray::number(k) + "=/home/max/Lektion" +
             QByteArray::number(k) + ".txt\r\n";
    return b;
}

// One start-up and one shutdown; false when a write failed.
bool durchlauf(const QTemporaryDir& ordner) {
    const QString ini = ordner.filePath(QStringLiteral("drilla3.ini"));
    const QString tasten = ordner.filePath(QStringLiteral("tasten.txt"));
    const QString formpos = ordner.filePath(QStringLiteral("formpos.ini"));
    TTippsDatei tipps(ordner.filePath(QStringLiteral("drilla3.tip")));
    const auto platz = TFensterPlatzierung::Lesen(formpos, 96);
    const QStringList beschriftungen = TTastenbelegung::TastenLaden(tasten);
    const TEinstellungen e = TEinstellungen::laden(ini, ordner.path() + QLatin1Char('/'));
    const bool tippsZeigen = tipps.ZeigenBeimStart();

    TFensterPlatzierung neu = platz.value_or(TFensterPlatzierung{});
    neu.normalRechteckSetzen({10, 20, 800, 600});
    QStringList historie;
    for (const QString& h : e.Historie)
        historie.append(h + QStringLiteral("   "));
    return !tippsZeigen && TFensterPlatzierung::Schreiben(formpos, neu) &&
           TEinstellungen::speichern(ini, e.Optionen, e.LetzteLektion, e.Benutzer, historie) &&
           TTastenbelegung::TastenSpeichern(tasten, beschriftungen);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication anwendung(argc, argv);
    const int runden = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    QTemporaryDir ordner;
    const QByteArray einstellungen = grosseEinstellungen(1024 * 1024);
    QByteArray tasten = "[Sonderzeichen]\r\n";
    for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
        tasten += "Taste" + QByteArray::number(n) + "=\xe9\r\n";
    QByteArray tipps = "[TIPS]\r\nShowOnStartup=0\r\nNextTip=1\r\n[TIP TEXT]\r\nTip1=Ein Tipp\r\n";
    if (schreibeDatei(ordner, QStringLiteral("drilla3.ini"), einstellungen).isEmpty() ||
        schreibeDatei(ordner, QStringLiteral("tasten.txt"), tasten).isEmpty() ||
        schreibeDatei(ordner, QStringLiteral("drilla3.tip"), tipps).isEmpty()) {
        std::printf("Testdateien nicht geschrieben\n");
        return 1;
    }
    std::vector<double> zeiten;
    for (int r = 0; r < runden; ++r) {
        QElapsedTimer uhr;
        uhr.start();
        if (!durchlauf(ordner)) {
            std::printf("Schreiben fehlgeschlagen\n");
            return 1;
        }
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Start und Ende mit %.1f MB drilla3.ini: Median %.1f ms (min %.1f, max %.1f, "
                "%zu Runden)\n",
                einstellungen.size() / 1048576.0, zeiten[zeiten.size() / 2], zeiten.front(),
                zeiten.back(), zeiten.size());
    return 0;
}
