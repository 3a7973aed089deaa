#include "shell/TTexte.h"
#include "shell/TVerzeichnisse.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TQtKlang.h"
#include "shell/ui/TQtMeldungen.h"
#include "shell/ui/TQtModalDialoge.h"
#include "shell/ui/TQtShell.h"
#include "shell/ui/TQtUhr.h"
#include "shell/ui/TQtWarten.h"
#include "shell/ui/TQtZufall.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    anwendung.setApplicationName(TTexte::kurzTitel());
    anwendung.setApplicationDisplayName(TTexte::kurzTitel());

    TQtMeldungen meldungen(nullptr);
    TQtKlang klang;
    TQtWarten warten;
    TQtShell shell;
    TQtUhr uhr;
    TQtZufall zufall;
    TQtModalDialoge dialoge;

    TForm1 fenster({meldungen, klang, warten, shell, uhr, zufall}, dialoge);
    meldungen.setzeEltern(&fenster);
    const QString programmVerzeichnis = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    // The per-user shell folders: application data and documents.
    const QStringList shellOrdner = {
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    fenster.FormCreate(programmVerzeichnis,
                       TVerzeichnisse::netzwerkmodusErmitteln(programmVerzeichnis), shellOrdner,
                       QDir::homePath() + QStringLiteral("/.drilla/"));
    return anwendung.exec();
}
