#pragma once

// The random source; reseeded from the clock where the program asks for it.
class IZufall {
public:
    virtual ~IZufall() = default;
    virtual void neuSaeen() = 0;
    // Uniform in 0 .. anzahl - 1; anzahl > 0.
    virtual int ziehen(int anzahl) = 0;
};
