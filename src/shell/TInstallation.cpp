#include "shell/TInstallation.h"

#include "shell/TVerzeichnisse.h"

#include <QDir>
#include <QFileInfo>

TInstallation TInstallation::ermitteln(const QString& programmDateiVerzeichnis,
                                       const QString& datenRelativ) {
    TInstallation i;
    const QString programmDatei = QDir::cleanPath(programmDateiVerzeichnis);
    const QString geliefert =
        datenRelativ.isEmpty() ? QString()
                               : QDir::cleanPath(programmDatei + QLatin1Char('/') + datenRelativ);
    if (!geliefert.isEmpty() && geliefert != programmDatei && QFileInfo(geliefert).isDir()) {
        i.ProgrammVerzeichnis = TVerzeichnisse::normalisieren(geliefert);
        i.Installiert = true;
        i.Netzwerkmodus = true;
        return i;
    }
    i.ProgrammVerzeichnis = TVerzeichnisse::normalisieren(programmDatei);
    i.Netzwerkmodus = TVerzeichnisse::netzwerkmodusErmitteln(i.ProgrammVerzeichnis);
    return i;
}
