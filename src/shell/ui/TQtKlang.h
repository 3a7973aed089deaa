#pragma once

#include "shell/IKlang.h"

#include <QStringList>
#include <memory>

class IKlangModul;
class QSoundEffect;

// Plays the built-in clips from the resources through QSoundEffect, in the sound module that
// the first play loads from `ordner` (beside the program and in its installed place unless
// told otherwise). Without the module the program stays silent.
class TQtKlang : public IKlang {
public:
    static constexpr int kAnzahl = 8;

    explicit TQtKlang(QStringList ordner = standardOrdner());
    ~TQtKlang() override;
    TQtKlang(const TQtKlang&) = delete;
    TQtKlang& operator=(const TQtKlang&) = delete;

    void spielen(int nummer) override;

    // The effect behind clip `nummer` (made on first use), for checks of the loaded clips.
    const QSoundEffect* effekt(int nummer);

    static QStringList standardOrdner();

private:
    IKlangModul* modul();

    // Made on the first play: loading the audio libraries and opening the device take a while.
    QStringList ordner_;
    std::unique_ptr<IKlangModul> modul_;
    bool geladen_ = false;
};
