#pragma once

#include "shell/IWarten.h"

// Waits in a local event loop so that the window keeps repainting and reacting.
class TQtWarten : public IWarten {
public:
    void warten(int millisekunden) override;
};
