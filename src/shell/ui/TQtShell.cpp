#include "shell/ui/TQtShell.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace {

// Opening a file hands it to xdg-open, which reports success as soon as it has started, also
// when no program takes the file. The desktop's own table answers that beforehand.
bool programmFuer(const QString& pfad) {
    const QString typ = QMimeDatabase().mimeTypeForFile(pfad).name();
    QProcess abfrage;
    abfrage.start(QStringLiteral("xdg-mime"),
                  {QStringLiteral("query"), QStringLiteral("default"), typ});
    if (!abfrage.waitForFinished(3000) || abfrage.exitStatus() != QProcess::NormalExit)
        return true; // no table to ask: let the desktop try
    return !abfrage.readAllStandardOutput().trimmed().isEmpty();
}

bool oeffnen(const QString& pfad) {
    return programmFuer(pfad) && QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

} // namespace

bool TQtShell::textBearbeiten(const QString& pfad) {
    return oeffnen(pfad);
}

bool TQtShell::ordnerZeigen(const QString& pfad) {
    return oeffnen(pfad);
}

bool TQtShell::adresseOeffnen(const QString& adresse) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(adresse));
}
