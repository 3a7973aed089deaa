#include "shell/ui/TSchriftUmwandlung.h"

#include <QApplication>
#include <QPalette>
#include <array>

QFont TSchriftUmwandlung::schrift(const TSchriftDaten& daten) {
    QFont f(daten.Name);
    if (daten.Groesse > 0)
        f.setPointSize(daten.Groesse);
    f.setBold(daten.Fett);
    f.setItalic(daten.Kursiv);
    f.setUnderline(daten.Unterstrichen);
    f.setStrikeOut(daten.Durchgestrichen);
    if (daten.Abstand == TSchriftDaten::TAbstand::Fest)
        f.setFixedPitch(true);
    return f;
}

QColor TSchriftUmwandlung::farbe(quint32 wert) {
    if ((wert & 0xFF000000u) == 0x80000000u) {
        using R = QPalette::ColorRole;
        // The 25 system colours in their numbering, mapped to the nearest palette role.
        static const std::array<R, 25> rollen = {
            R::Button, R::Window, R::Highlight,  R::Mid,         R::Window,
            R::Base,   R::Shadow, R::WindowText, R::Text,        R::HighlightedText,
            R::Window, R::Window, R::Dark,       R::Highlight,   R::HighlightedText,
            R::Button, R::Dark,   R::Mid,        R::ButtonText,  R::WindowText,
            R::Light,  R::Shadow, R::Midlight,   R::ToolTipText, R::ToolTipBase};
        const quint32 nummer = wert & 0xFFu;
        if (nummer < rollen.size())
            return QApplication::palette().color(rollen[nummer]);
        return Qt::black;
    }
    if ((wert & 0xFF000000u) != 0)
        return Qt::black; // clNone and other special values: the ordinary text colour
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}
