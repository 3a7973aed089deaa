#include "printing/TSeitenaufteilung.h"

#include <algorithm>

qsizetype TSeitenaufteilung::proSeite(int seitenHoehe, int kopfHoehe, int datenHoehe,
                                      int fussHoehe) {
    const int frei = seitenHoehe - kopfHoehe - fussHoehe;
    if (datenHoehe <= 0)
        return std::numeric_limits<int>::max();
    return std::max(1, frei / datenHoehe);
}

QList<TSeitenBereich> TSeitenaufteilung::aufteilen(int seitenHoehe, int kopfHoehe, int datenHoehe,
                                                   int fussHoehe, qsizetype datensaetze) {
    const qsizetype je = proSeite(seitenHoehe, kopfHoehe, datenHoehe, fussHoehe);
    QList<TSeitenBereich> seiten;
    if (datensaetze <= 0) {
        seiten.append({0, 0});
        return seiten;
    }
    seiten.reserve((datensaetze + je - 1) / je);
    for (qsizetype erster = 0; erster < datensaetze; erster += je)
        seiten.append({erster, std::min(je, datensaetze - erster)});
    return seiten;
}
