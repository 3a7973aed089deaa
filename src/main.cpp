#include "lessons/TStrHolder.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TQtKlang.h"
#include "shell/ui/TQtMeldungen.h"
#include "shell/ui/TQtModalDialoge.h"
#include "shell/ui/TQtShell.h"
#include "shell/ui/TQtUhr.h"
#include "shell/ui/TQtWarten.h"
#include "shell/ui/TQtZufall.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    anwendung.setApplicationName(QStringLiteral("DRILLA V3.5b "));
    anwendung.setApplicationDisplayName(QStringLiteral("DRILLA V3.5b "));

    TQtMeldungen meldungen(nullptr);
    TQtKlang klang;
    TQtWarten warten;
    TQtShell shell;
    TQtUhr uhr;
    TQtZufall zufall;
    TQtModalDialoge dialoge;

    TForm1 fenster({meldungen, klang, warten, shell, uhr, zufall}, dialoge);
    meldungen.setzeEltern(&fenster);
    // Single-user layout: data and lessons live beside the program.
    const QString programmVerzeichnis = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    fenster.trainer().DatenVerzeichnis = programmVerzeichnis;
    fenster.trainer().LektionsVerzeichnis = programmVerzeichnis;
    QStringList protokoll;
    if (TStrHolder::laden(programmVerzeichnis + QStringLiteral("auswertung.txt"), protokoll))
        fenster.trainer().LogStrHolder = protokoll;
    fenster.show();
    return anwendung.exec();
}
