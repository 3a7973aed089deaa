#pragma once

#include <thread>

// Reads the system's font configuration on a second core while the application connects to
// the display. That reading is the largest single part of a start and needs nothing of Qt;
// Qt's font database then finds the configuration loaded. The helper only warms that cache:
// it is waited for before the first window is made and touches nothing of the program.
class TSchriftVorlauf {
public:
    TSchriftVorlauf();
    ~TSchriftVorlauf();
    TSchriftVorlauf(const TSchriftVorlauf&) = delete;
    TSchriftVorlauf& operator=(const TSchriftVorlauf&) = delete;

    // Returns when the configuration is loaded (at once when there was nothing to load).
    void warten();

private:
    std::thread m_faden;
};
