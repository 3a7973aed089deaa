#pragma once

#include "shell/IKlang.h"
#include "shell/IMeldungen.h"
#include "shell/IShell.h"
#include "shell/IUhr.h"
#include "shell/IWarten.h"
#include "shell/IZufall.h"

// The platform services a window needs, handed over as one bundle.
struct TPlattform {
    IMeldungen& meldungen;
    IKlang& klang;
    IWarten& warten;
    IShell& shell;
    IUhr& uhr;
    IZufall& zufall;
};
