#include "shell/ui/TBerichtModulLader.h"

#include "shell/berichtmodul/IBerichtModul.h"
#include "shell/ui/TModulLader.h"

#include <memory>

IBerichtModul* TBerichtModulLader::modul(QString* meldung) {
    static std::unique_ptr<IBerichtModul> geladen;
    if (geladen)
        return geladen.get();
    QString grund;
    if (auto erzeugen = reinterpret_cast<TBerichtmodulErzeugen>(
            TModulLader::laden(TModulLader::ordner(), QStringLiteral("drilla_berichte"),
                               DRILLA_BERICHTMODUL_ERZEUGEN, &grund)))
        geladen.reset(erzeugen());
    else if (meldung)
        *meldung = QStringLiteral("Diese Funktion steht nicht zur Verfügung, weil die Datei "
                                  "drilla_berichte.so fehlt oder beschädigt ist.\r\n%1")
                       .arg(grund);
    return geladen.get();
}
