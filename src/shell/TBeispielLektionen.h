#pragma once

#include <QString>

// The sample lessons shipped with the program, handed to a user whose lesson folder is new, so
// that the first "&Lektion laden" has something to practise.
class TBeispielLektionen {
public:
    // Copies every lesson file (*.txt) of `quelle` into `ziel`, byte for byte. A file of the same
    // name in `ziel` is never replaced. Returns the number of files copied.
    static int kopieren(const QString& quelle, const QString& ziel);
    // One file, byte for byte, through the program's one write path; false without a copy. An
    // existing file (or a link, even a dangling one) at `ziel` is never replaced.
    static bool dateiKopieren(const QString& quelle, const QString& ziel);
};
