#pragma once

#include "shell/IZufall.h"

#include <random>

// A Mersenne Twister seeded from the clock.
class TQtZufall : public IZufall {
public:
    TQtZufall();

    void neuSaeen() override;
    int ziehen(int anzahl) override;

private:
    std::mt19937 generator_;
};
