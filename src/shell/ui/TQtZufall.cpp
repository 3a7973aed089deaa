#include "shell/ui/TQtZufall.h"

#include <chrono>

namespace {

std::mt19937::result_type uhrSaat() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // The engine keeps only 32 bits of its seed; fold the upper half of the tick count in.
    const auto wert = static_cast<unsigned long long>(ticks);
    return static_cast<std::mt19937::result_type>(wert ^ (wert >> 32));
}

} // namespace

TQtZufall::TQtZufall() : generator_(uhrSaat()) {}

void TQtZufall::neuSaeen() {
    generator_.seed(uhrSaat());
}

int TQtZufall::ziehen(int anzahl) {
    if (anzahl <= 0)
        return 0;
    std::uniform_int_distribution<int> verteilung(0, anzahl - 1);
    return verteilung(generator_);
}
