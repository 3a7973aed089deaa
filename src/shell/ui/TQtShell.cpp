#include "shell/ui/TQtShell.h"

#include <QDesktopServices>
#include <QUrl>

bool TQtShell::textBearbeiten(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

bool TQtShell::ordnerZeigen(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

bool TQtShell::adresseOeffnen(const QString& adresse) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(adresse));
}
