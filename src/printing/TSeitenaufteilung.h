#pragma once

#include <QList>

struct TSeitenBereich {
    qsizetype erster = 0; // index of the page's first record
    qsizetype anzahl = 0;
    bool operator==(const TSeitenBereich&) const = default;
};

// Which records go on which page: header and footer on every page, detail bands in record
// order, as many per page as fit. A report without records still has one page.
class TSeitenaufteilung {
public:
    static QList<TSeitenBereich> aufteilen(int seitenHoehe, int kopfHoehe, int datenHoehe,
                                           int fussHoehe, qsizetype datensaetze);
    // Records per page; at least one, so that a page too small still makes progress.
    static qsizetype proSeite(int seitenHoehe, int kopfHoehe, int datenHoehe, int fussHoehe);
};
