#pragma once

// Plays one of the eight built-in clips by index. A machine without audio stays silent;
// playing never blocks, and a new clip cuts off the one still playing.
class IKlang {
public:
    virtual ~IKlang() = default;
    virtual void spielen(int nummer) = 0;
};
