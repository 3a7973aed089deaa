#pragma once

#include "lessons/TAnredeText.h"
#include "shell/TSchriftDaten.h"

#include <QString>
#include <functional>
#include <optional>

class IMeldungen;
class IProgrammFenster;
struct TLaufDaten;

// The two font commands: the font window shows the stored font, "&Ok" stores the choice at
// once and the main window takes it over.
class TSchriftWahl {
public:
    enum class TArt { Menu, Feld };

    // Shows the font window with the font it starts with; the chosen font, or nothing when the
    // window was cancelled.
    using TFenster = std::function<std::optional<TSchriftDaten>(const TSchriftDaten& start)>;

    static constexpr TAnredeText kNichtSpeicherbar = {
        "Der Name der Schriftart enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte "
        "wählen Sie eine andere Schriftart.",
        "Der Name der Schriftart enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte "
        "wähle eine andere Schriftart."};

    TSchriftWahl(IMeldungen& meldungen, IProgrammFenster& fenster, const TLaufDaten& lauf,
                 int anredeIndex)
        : m_meldungen(meldungen), m_fenster(fenster), m_lauf(lauf), m_anrede(anredeIndex) {}

    // The font window's default for both keys: Comic Sans MS, 12 points, black, regular.
    static TSchriftDaten fensterVorgabe();
    static QString schluessel(TArt art); // "MenuSchrift" or "AZSchrift"
    QString einstellungsDatei() const;

    // The stored font, or the window's default when it is missing or invalid.
    TSchriftDaten gespeicherteSchrift(TArt art) const;
    // False when the font string could not be read back from the file as it is.
    static bool speicherbar(const TSchriftDaten& schrift);

    // The command. A font that cannot be stored is reported, and the main window keeps the font
    // it shows.
    void ausfuehren(TArt art, const TFenster& fenster);

private:
    IMeldungen& m_meldungen;
    IProgrammFenster& m_fenster;
    const TLaufDaten& m_lauf;
    int m_anrede;
};
