#include "shell/ui/TAnwendungsStart.h"

#include "shell/TTexte.h"
#include "shell/ui/TQtUebersetzung.h"
#include "shell/ui/TSymbole.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

void TAnwendungsStart::einrichten(QApplication& anwendung) {
    // The name reaches the desktop; no display name, which Qt would append to every title.
    anwendung.setApplicationName(TTexte::kurzTitel());
    TQtUebersetzung::laden(anwendung);
    // The icon of windows without one of their own (the name prompt); taken out when first
    // shown.
    anwendung.setWindowIcon(TSymbole::anwendung());
}

QStringList TAnwendungsStart::shellOrdner() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}
