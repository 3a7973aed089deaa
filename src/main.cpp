#include "shell/TInstallation.h"
#include "shell/TTexte.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TQtKlang.h"
#include "shell/ui/TQtMeldungen.h"
#include "shell/ui/TQtModalDialoge.h"
#include "shell/ui/TQtShell.h"
#include "shell/ui/TQtUebersetzung.h"
#include "shell/ui/TQtUhr.h"
#include "shell/ui/TQtWarten.h"
#include "shell/ui/TQtZufall.h"
#include "shell/ui/TSymbole.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    // The name reaches the desktop; no display name, which Qt would append to every title.
    anwendung.setApplicationName(TTexte::kurzTitel());
    TQtUebersetzung::laden(anwendung);
    // Lets the desktop match the windows with the menu entry and its icon.
    anwendung.setDesktopFileName(QStringLiteral(DRILLA_DESKTOP_ID));
    anwendung.setWindowIcon(TSymbole::spaet(
        [] { return QIcon(QStringLiteral(":/symbol/drilla.png")); }, {QSize(256, 256)}));

    TQtMeldungen meldungen(nullptr);
    TQtKlang klang;
    TQtWarten warten;
    TQtShell shell;
    TQtUhr uhr;
    TQtZufall zufall;
    TQtModalDialoge dialoge;

    TForm1 fenster({meldungen, klang, warten, shell, uhr, zufall}, dialoge);
    meldungen.setzeEltern(&fenster);
    const TInstallation installation =
        TInstallation::ermitteln(QCoreApplication::applicationDirPath(), DRILLA_DATEN_RELATIV);
    // The per-user shell folders: application data and documents.
    const QStringList shellOrdner = {
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    fenster.FormCreate(installation.ProgrammVerzeichnis, installation.Netzwerkmodus, shellOrdner,
                       QDir::homePath() + QStringLiteral("/.drilla/"));
    return anwendung.exec();
}
