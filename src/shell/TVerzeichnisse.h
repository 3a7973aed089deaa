#pragma once

#include "shell/TTexte.h"

#include <QChar>
#include <QString>
#include <QStringList>

// The run-wide directories. Every value ends with the separator when it is not empty.
struct TVerzeichnisse {
    QString Programm;
    QString Benutzer; // empty in single-user mode
    QString Daten;
    QString Lektion;
    bool Netzwerkmodus = false;
    QString VersionsZusatz = TTexte::versionsZusatz();
    // Set when no per-user directory could be made and another writable one is used instead.
    QString Ausweichhinweis;

    // Native rule: "/" here; with drive letters the same rule works with "\".
    static QString normalisieren(const QString& wert, QChar trenner = QLatin1Char('/'),
                                 bool laufwerke = false);
    // Sorted without regard to case; an entry equal to one already present is dropped.
    static QStringList shellOrdnerSortieren(const QStringList& werte);
    // On when the installation put a marker beside the program or the program directory
    // cannot be written.
    static bool netzwerkmodusErmitteln(const QString& programmVerzeichnis);
    static QString netzwerkMarke() { return QStringLiteral("netzwerk.ini"); }

    // The start-up rule: directories of single-user or network mode, per-user directories
    // created when missing. `ausweich` is used when none of the shell folders works. A per-user
    // lesson folder that this start creates receives the sample lessons of the program's
    // "Lektion" folder; one that exists already is left alone, so lessons a user deleted stay
    // deleted.
    static TVerzeichnisse ermitteln(const QString& programmVerzeichnis, bool netzwerkmodus,
                                    const QStringList& shellOrdner, const QString& ausweich);
};
