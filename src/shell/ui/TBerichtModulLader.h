#pragma once

#include <QString>

class IBerichtModul;

// The module with the print preview and the progress chart, loaded at its first use.
class TBerichtModulLader {
public:
    // Null when the module cannot be loaded; `meldung` then holds the text for the user.
    static IBerichtModul* modul(QString* meldung = nullptr);
};
