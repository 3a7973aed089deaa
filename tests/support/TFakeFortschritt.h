#pragma once

#include "printing/IFortschritt.h"

#include <QList>
#include <functional>

// Notes the progress; cancels when `abbrechenBei` records are done, and runs `waehrend` after
// each record (a test may change the world "during" the preparation).
class TFakeFortschritt : public IFortschritt {
public:
    void beginnen(int gesamt) override {
        ++begonnen;
        this->gesamt = gesamt;
    }
    bool melden(int fertig, int) override {
        gemeldet.append(fertig);
        if (waehrend)
            waehrend(fertig);
        return fertig != abbrechenBei;
    }
    void beenden() override { ++beendet; }

    int begonnen = 0;
    int beendet = 0;
    int gesamt = -1;
    int abbrechenBei = -1;
    QList<int> gemeldet;
    std::function<void(int)> waehrend;
};
