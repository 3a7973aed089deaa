#pragma once

// Shows how far preparing a report has got, with a way to cancel.
class IFortschritt {
public:
    virtual ~IFortschritt() = default;
    virtual void beginnen(int gesamt) = 0;
    // False once the user has cancelled.
    virtual bool melden(int fertig, int gesamt) = 0;
    virtual void beenden() = 0;
};
