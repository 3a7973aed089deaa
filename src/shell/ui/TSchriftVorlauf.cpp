#include "shell/ui/TSchriftVorlauf.h"

#include <dlfcn.h>
#include <system_error>

TSchriftVorlauf::TSchriftVorlauf() {
    // fontconfig comes with Qt's GUI library, so it is loaded already; a Qt without it has
    // nothing to prepare. Its loading is thread-safe: should Qt ask while the helper still
    // reads, both read and one result is kept.
    using TFcInit = int (*)();
    auto* fcInit = reinterpret_cast<TFcInit>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!fcInit)
        return;
    try {
        m_faden = std::thread(fcInit);
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself, as it always can.
    }
}

TSchriftVorlauf::~TSchriftVorlauf() {
    warten();
}

void TSchriftVorlauf::warten() {
    if (m_faden.joinable())
        m_faden.join();
}
