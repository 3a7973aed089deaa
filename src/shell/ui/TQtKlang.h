#pragma once

#include "shell/IKlang.h"

#include <array>
#include <memory>

class QSoundEffect;

// Plays the built-in clips from the resources through QSoundEffect.
class TQtKlang : public IKlang {
public:
    static constexpr int kAnzahl = 8;

    TQtKlang();
    ~TQtKlang() override;
    TQtKlang(const TQtKlang&) = delete;
    TQtKlang& operator=(const TQtKlang&) = delete;

    void spielen(int nummer) override;

    // The effect behind clip `nummer` (made on first use), for checks of the loaded clips.
    const QSoundEffect* effekt(int nummer);

private:
    void laden();

    // Made on the first play: opening the audio device can take a while.
    std::array<std::unique_ptr<QSoundEffect>, kAnzahl> klaenge_;
    bool geladen_ = false;
};
