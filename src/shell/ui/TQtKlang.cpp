#include "shell/ui/TQtKlang.h"

#include "shell/klangmodul/IKlangModul.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

// The clips live in drilla_gui, a static library: without a reference from code the linker
// drops their resource object and every program would play nothing.
static void klangRessourcenEinbinden() {
    Q_INIT_RESOURCE(klaenge);
}

TQtKlang::TQtKlang(QStringList ordner) : ordner_(std::move(ordner)) {
    klangRessourcenEinbinden();
}

TQtKlang::~TQtKlang() = default;

QStringList TQtKlang::standardOrdner() {
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/" DRILLA_MODUL_RELATIV))};
}

IKlangModul* TQtKlang::modul() {
    if (geladen_)
        return modul_.get();
    geladen_ = true;
    for (const QString& ordner : ordner_) {
        QLibrary bibliothek(ordner + QStringLiteral("/drilla_klang"));
        // The module stays loaded for the run: its objects live as long as this player.
        bibliothek.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto erzeugen = reinterpret_cast<TKlangmodulErzeugen>(
                bibliothek.resolve(DRILLA_KLANGMODUL_ERZEUGEN))) {
            modul_.reset(erzeugen());
            break;
        }
    }
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
