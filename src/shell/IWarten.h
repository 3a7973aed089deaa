#pragma once

// A pause that keeps the window responsive (repaints, clicks and keys are handled meanwhile).
class IWarten {
public:
    virtual ~IWarten() = default;
    virtual void warten(int millisekunden) = 0;
};
