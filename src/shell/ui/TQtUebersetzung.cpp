#include "shell/ui/TQtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool TQtUebersetzung::laden(QCoreApplication& anwendung) {
    // German whatever the user's locale: every other text of the program is German too.
    auto* uebersetzer = new QTranslator(&anwendung);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}
