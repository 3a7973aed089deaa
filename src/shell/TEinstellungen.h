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

    // Reading never fails: what is missing takes its default.
    static TEinstellungen laden(const QString& pfad, const QString& datenVerzeichnis);

    // The shutdown writes, in their fixed order. Stops at the first write that fails and
    // returns false; what was written before stays.
    static bool speichern(const QString& pfad, const TOptionen& optionen,
                          const QString& letzteLektion, const QString& benutzer,
                          const QStringList& historienTitel);
};
