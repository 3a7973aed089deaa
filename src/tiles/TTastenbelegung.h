#pragma once

#include <QString>
#include <QStringList>

// The key map of the assignable tiles 79 to 91: section "Sonderzeichen", keys "Taste79" to
// "Taste91" in a settings file ("tasten.txt", "admintasten.txt").
class TTastenbelegung {
public:
    static constexpr int kErste = 79;
    static constexpr int kLetzte = 91;

    // Thirteen captions; a missing key or file gives "?".
    static QStringList TastenLaden(const QString& pfad);
    // In ascending order; stops at the first failing write and returns false.
    static bool TastenSpeichern(const QString& pfad, const QStringList& beschriftungen);
};
