#pragma once

// The option toggles of the main window's menus as plain values. TOptionenModell holds the
// run's copy; the menus' check marks show it and the practice reads it when it acts.
struct TOptionen {
    bool Ton = true;
    bool PopupHilfe = true;
    bool FelderDrehen = false;
    bool SofortPruefen = false;
    bool AnredeDu = false;
    bool OhneFarbeDrucken = true;
    bool Lesemodus = false;
    bool Vertauschen = false; // never stored

    int AnredeIndex() const { return AnredeDu ? 1 : 0; }
};
