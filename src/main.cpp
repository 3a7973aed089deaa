#include "shell/TInstallation.h"
#include "shell/ui/TAnwendungsStart.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TQtKlang.h"
#include "shell/ui/TQtMeldungen.h"
#include "shell/ui/TQtModalDialoge.h"
#include "shell/ui/TQtShell.h"
#include "shell/ui/TQtUhr.h"
#include "shell/ui/TQtWarten.h"
#include "shell/ui/TQtZufall.h"
#include "shell/ui/TSchriftVorlauf.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    TSchriftVorlauf schriften;
    QApplication anwendung(argc, argv);
    TAnwendungsStart::einrichten(anwendung);
    // Lets the desktop match the windows with the menu entry and its icon.
    anwendung.setDesktopFileName(QStringLiteral(DRILLA_DESKTOP_ID));

    TQtMeldungen meldungen(nullptr);
    TQtKlang klang;
    TQtWarten warten;
    TQtShell shell;
    TQtUhr uhr;
    TQtZufall zufall;
    TQtModalDialoge dialoge;

    schriften.warten();
    TForm1 fenster({meldungen, klang, warten, shell, uhr, zufall}, dialoge);
    meldungen.setzeEltern(&fenster);
    const TInstallation installation =
        TInstallation::ermitteln(QCoreApplication::applicationDirPath(), DRILLA_DATEN_RELATIV);
    fenster.FormCreate(installation.ProgrammVerzeichnis, installation.Netzwerkmodus,
                       TAnwendungsStart::shellOrdner(),
                       QDir::homePath() + QStringLiteral("/.drilla/"));
    return anwendung.exec();
}
