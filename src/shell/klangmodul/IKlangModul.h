#pragma once

class QSoundEffect;

// The player behind TQtKlang. It lives in a module of its own, loaded at the first sound:
// the audio libraries then cost the start-up nothing.
class IKlangModul {
public:
    virtual ~IKlangModul() = default;
    virtual void spielen(int nummer) = 0;
    virtual const QSoundEffect* effekt(int nummer) = 0;
};

// The module's one export.
#define DRILLA_KLANGMODUL_ERZEUGEN "drillaKlangmodulErzeugen"
using TKlangmodulErzeugen = IKlangModul* (*)();
