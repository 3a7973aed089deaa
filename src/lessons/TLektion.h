#pragma once

#include <QString>
#include <QStringList>

// The loaded lesson. The lists hold the lines exactly as read from the file.
struct TLektion {
    QString Pfad;
    QString LetzterPfad;
    QString Protokollname; // the path that evaluation-log records name
    QStringList StrHolderLektion;
    QStringList StrHolderLektionRest;

    bool LektionGeladen() const { return !StrHolderLektion.isEmpty(); }
};
