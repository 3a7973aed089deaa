#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <limits>
#include <optional>

// The main window's placement as the placement file keeps it, in the platform's own numbers.
struct TFensterPlatzierung {
    enum class TZustand { Normal, Minimiert, Maximiert };

    // The platform's show commands and flags that mean something here.
    static constexpr int kNormal = 1;
    static constexpr int kMinimiert = 2;
    static constexpr int kMaximiert = 3;
    static constexpr int kWiederMaximiert = 2; // flag: a minimised window restores maximised

    int Flags = 0;
    int ShowCmd = kNormal;
    int PixelsPerInch = 96;
    // -1 stands for "no position", as the platform writes it.
    QPoint MinPos{-1, -1};
    QPoint MaxPos{-1, -1};
    // The outer frame in the normal state, with the platform's edges: right = left + width and
    // bottom = top + height, so right and bottom lie just outside the window.
    int Links = 0;
    int Oben = 0;
    int Rechts = 0;
    int Unten = 0;

    bool operator==(const TFensterPlatzierung&) const = default;

    bool rechteckGueltig() const { return Links < Rechts; }
    // The edges as a rectangle, computed without overflow: edges beyond +-2^24 are clamped
    // there. A reversed top and bottom give a negative height, as the file says.
    QRect normalRechteck() const;
    // Edges past the int range are clamped to it.
    void normalRechteckSetzen(const QRect& r);
    // The normal rectangle kept on `verfuegbar` (the screen's available area): at most as large,
    // at least kMindestBreite x kMindestHoehe (or the whole area when smaller), moved inside.
    // An empty `verfuegbar` gives normalRechteck().
    QRect rechteckAuf(const QRect& verfuegbar) const;
    static constexpr int kMindestBreite = 100;
    static constexpr int kMindestHoehe = 50;
    // Show commands other than those of normal, minimised and maximised leave the state alone.
    std::optional<TZustand> zustand() const;

    // What the file at `pfad` says to apply, with the rectangle dropped (all edges 0) when it
    // was measured at another resolution, lies reversed or cannot be parsed. Nothing when
    // neither a rectangle nor a known show command is left, as for a missing file or section.
    static std::optional<TFensterPlatzierung> Lesen(const QString& pfad, int aktuellePpi);
    // All keys of the section, in their fixed order, as one rewrite of the file; false when it
    // could not be written (it is then as it was).
    [[nodiscard]] static bool Schreiben(const QString& pfad, const TFensterPlatzierung& p);

    static QString abschnitt() { return QStringLiteral("Form-Parameter"); }
};
