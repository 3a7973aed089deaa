#pragma once

class TFertigerBericht;

// Shows a prepared report in a preview from which the user prints; returns when it is closed.
class IBerichtVorschau {
public:
    virtual ~IBerichtVorschau() = default;
    virtual void zeigen(const TFertigerBericht& bericht) = 0;
};
