#include "shell/TOptionenModell.h"

namespace {

bool& feld(TOptionen& werte, TOption option) {
    switch (option) {
    case TOption::Ton:
        return werte.Ton;
    case TOption::PopupHilfe:
        return werte.PopupHilfe;
    case TOption::FelderDrehen:
        return werte.FelderDrehen;
    case TOption::SofortPruefen:
        return werte.SofortPruefen;
    case TOption::AnredeDu:
        return werte.AnredeDu;
    case TOption::OhneFarbeDrucken:
        return werte.OhneFarbeDrucken;
    case TOption::Lesemodus:
        return werte.Lesemodus;
    case TOption::Vertauschen:
        break;
    }
    return werte.Vertauschen;
}

} // namespace

bool TOptionenModell::wert(TOption option) const {
    TOptionen kopie = m_werte;
    return feld(kopie, option);
}

void TOptionenModell::setzen(TOption option, bool wert) {
    bool& f = feld(m_werte, option);
    if (f == wert)
        return;
    f = wert;
    emit geaendert(option, wert);
}

void TOptionenModell::uebernehmen(const TOptionen& werte) {
    TOptionen vorher = m_werte;
    m_werte = werte;
    for (TOption o : kAlle)
        if (feld(vorher, o) != wert(o))
            emit geaendert(o, wert(o));
}
