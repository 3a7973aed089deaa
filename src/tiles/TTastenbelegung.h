#pragma once

#include <QString>
#include <QStringList>

// The key map of the assignable tiles 79 to 91: section "Sonderzeichen", keys "Taste79" to
// "Taste91" in a settings file ("tasten.txt", "admintasten.txt").
class TTastenbelegung {
public:
    static constexpr int kErste = 79;
    static constexpr int kLetzte = 91;

    // Thirteen captions; a missing key or file gives "?". The file is read once.
    static QStringList TastenLaden(const QString& pfad);
    // In ascending order, as one rewrite of the file; false when it could not be written (it is
    // then as it was). Blanks at a caption's ends are dropped, as reading would drop them; a
    // caption that still would not read back (a line break, a character the code page lacks,
    // see TNewIniFile::wertSpeicherbar) is skipped: its key keeps the value it had (a missing
    // key stays missing and reads "?"), so one bad caption never takes the others down.
    static bool TastenSpeichern(const QString& pfad, const QStringList& beschriftungen);

    // Whether the picker may put `zeichen` on a tile. A blank is taken: it shows during the run
    // and, like any blank at a value's end, is gone after the next start. A tab, a line break or
    // a character the code page lacks is refused, since the file cannot keep it at all.
    static bool zeichenBelegbar(const QString& zeichen);
};
