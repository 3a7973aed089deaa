#pragma once

#include "lessons/TOptionen.h"

#include <QObject>

enum class TOption {
    Ton,
    PopupHilfe,
    FelderDrehen,
    SofortPruefen,
    AnredeDu,
    OhneFarbeDrucken,
    Lesemodus,
    Vertauschen
};

// The one place the option toggles are kept; the menus' check marks show it.
class TOptionenModell : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const TOptionen& werte() const { return m_werte; }
    bool wert(TOption option) const;
    void setzen(TOption option, bool wert);
    void umschalten(TOption option) { setzen(option, !wert(option)); }
    // Takes every value at once, as the settings file gives them.
    void uebernehmen(const TOptionen& werte);
    int AnredeIndex() const { return m_werte.AnredeIndex(); }

    static constexpr TOption kAlle[] = {
        TOption::Ton,      TOption::PopupHilfe,       TOption::FelderDrehen, TOption::SofortPruefen,
        TOption::AnredeDu, TOption::OhneFarbeDrucken, TOption::Lesemodus,    TOption::Vertauschen};

signals:
    void geaendert(TOption option, bool wert);

private:
    TOptionen m_werte;
};
