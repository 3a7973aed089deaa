#pragma once

#include "backup/ISicherungsFortschritt.h"

#include <QChar>
#include <QFileInfoList>
#include <QString>

class IMeldungen;

// Copies the lesson directory's own files (no subfolders) into a target folder. Each file
// replaces its namesake on the target only when it is complete, and only after the user
// agreed; an error names the file and stops the run; what the target held stays intact.
class TDatensicherung {
public:
    enum class Ergebnis { Gesichert, Abgebrochen, Fehler };

    TDatensicherung(IMeldungen& meldungen, int anredeIndex);

    // Directory and name joined by the separator unless the directory ends with it already.
    static QString verbinden(const QString& verzeichnis, const QString& name,
                             QChar trenner = QLatin1Char('/'));
    // What the backup copies: the directory joined with "*.*".
    static QString quellMuster(const QString& verzeichnis, QChar trenner = QLatin1Char('/'));
    static QString erfolgsMeldung(const QString& muster, const QString& ziel);
    // The files directly in the directory (hidden ones too), by name.
    static QFileInfoList dateien(const QString& verzeichnis);

    // Shows its own questions and error boxes; nothing on success. `fortschritt` may be null.
    // `einhaengepunkt`: the target is a medium and must still be mounted there.
    Ergebnis sichern(const QString& quelle, const QString& ziel,
                     ISicherungsFortschritt* fortschritt, bool einhaengepunkt = false);

private:
    void fehler(const QString& text);

    IMeldungen& m_meldungen;
    int m_anrede;
};
