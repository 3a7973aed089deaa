#include "shell/ui/TQtKlang.h"

#include "shell/klangmodul/IKlangModul.h"
#include "shell/ui/TModulLader.h"

TQtKlang::TQtKlang(QStringList ordner) : ordner_(std::move(ordner)) {}

TQtKlang::~TQtKlang() = default;

QStringList TQtKlang::standardOrdner() {
    return TModulLader::standardOrdner();
}

IKlangModul* TQtKlang::modul() {
    if (geladen_)
        return modul_.get();
    geladen_ = true;
    if (auto erzeugen = reinterpret_cast<TKlangmodulErzeugen>(TModulLader::laden(
            ordner_, QStringLiteral("drilla_klang"), DRILLA_KLANGMODUL_ERZEUGEN)))
        modul_.reset(erzeugen());
    return modul_.get();
}

const QSoundEffect* TQtKlang::effekt(int nummer) {
    if (nummer < 0 || nummer >= kAnzahl)
        return nullptr;
    IKlangModul* m = modul();
    return m ? m->effekt(nummer) : nullptr;
}

void TQtKlang::spielen(int nummer) {
    if (nummer < 0 || nummer >= kAnzahl)
        return;
    if (IKlangModul* m = modul())
        m->spielen(nummer);
}
