#pragma once

#include "lessons/TOptionen.h"
#include "shell/TSchriftDaten.h"

#include <QString>
#include <QStringList>

// The values of "drilla3.ini" (and of "admin.ini", same layout) as the program uses them.
struct TEinstellungen {
    TSchriftDaten MenuSchrift;
    TSchriftDaten FeldSchrift;
    TOptionen Optionen;
    QString LetzteLektion;
    QString Benutzer;
    QString LektionsVerzeichnis; // normalised
    QStringList Historie;        // five entries

    static TSchriftDaten menuSchriftVorgabe();
    static TSchriftDaten feldSchriftVorgabe();

    // Reading never fails: what is missing takes its default. The file is read once.
    static TEinstellungen laden(const QString& pfad, const QString& datenVerzeichnis);

    // The shutdown writes, in their fixed order, as one rewrite of the file: either all of them
    // land or none does, and false means the file is as it was (unreadable, write-protected,
    // full disk). Texts are made storable first (characters the code page lacks and line breaks
    // become "?", blanks at the ends go, overlong ones are cut), so no value fails on its own.
    static bool speichern(const QString& pfad, const TOptionen& optionen,
                          const QString& letzteLektion, const QString& benutzer,
                          const QStringList& historienTitel);
};
