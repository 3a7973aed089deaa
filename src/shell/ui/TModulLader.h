#pragma once

#include <QString>
#include <QStringList>

// Finds and loads the program's modules: beside the program (the build folder) and in their
// installed place under the library directory. A loaded module stays for the run.
class TModulLader {
public:
    static QStringList standardOrdner();
    // Where modules are looked for from now on; tests point it at the build folder.
    static void setzeOrdner(const QStringList& ordner);
    static QStringList ordner();

    // The export `symbol` of module `name` from the first folder of `ordner` that has it;
    // null when none has. `fehler` then says why the last attempt failed.
    static QFunctionPointer laden(const QStringList& ordner, const QString& name,
                                  const char* symbol, QString* fehler = nullptr);
};
