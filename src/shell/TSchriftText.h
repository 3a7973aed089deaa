#pragma once

#include "shell/TSchriftDaten.h"

#include <QString>
#include <optional>

// The stored text form of a font: "name,colour,size,pitch,styles", e.g. "Arial,clRed,12,d,bu".
// A comma in the name is written doubled ("Noto Sans,, Bold,clBlack,12,d,"); a name with single
// commas, as earlier versions wrote it, still reads when the last four fields are valid.
class TSchriftText {
public:
    // Longer fields are cut on reading and writing, so every written string reads back.
    static constexpr qsizetype kMaxFeldLaenge = 254;

    // The font the text describes, or `vorgabe` unchanged when the text is incomplete or invalid.
    // A valid text replaces every property; an unknown pitch gives the fresh font's pitch.
    static TSchriftDaten SchriftLaden(const QString& text, const TSchriftDaten& vorgabe);
    static QString SchriftSpeichern(const TSchriftDaten& schrift);

    // Colour names are matched without regard to case.
    static std::optional<quint32> farbeAusName(const QString& name);
    // The first name listed for the colour, or an empty text when it has none.
    static QString farbName(quint32 farbe);

    // A colour field: a name, a signed 32-bit decimal, or "$" and hex digits up to FFFFFFFF.
    static std::optional<quint32> farbeLesen(const QString& text);
    // The name when there is one, else "$" with eight upper-case hex digits.
    static QString farbeSchreiben(quint32 farbe);
};
