#pragma once

#include <QString>

// Where the files shipped with the program lie and whether it runs in network mode. From a
// build folder they lie beside the executable; installed under a prefix (<prefix>/bin/drilla)
// they lie in <prefix>/share/drilla/, wherever the prefix is.
struct TInstallation {
    QString ProgrammVerzeichnis; // the shipped files; ends with "/"
    bool Installiert = false;
    bool Netzwerkmodus = false;

    // `datenRelativ` leads from the executable's directory to the installed shipped files.
    // An installed program's directory belongs to the system, not to the user who runs it
    // (root can write it all the same), so an installed program always runs in network mode.
    static TInstallation ermitteln(const QString& programmDateiVerzeichnis,
                                   const QString& datenRelativ);
};
