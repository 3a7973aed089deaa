#pragma once

#include "printing/TListenQuelle.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The editor's list of lesson files: number, name, size and date of each, read when its
// record is printed.
class TLektionslistenQuelle : public TListenQuelle {
public:
    TLektionslistenQuelle(const QString& versionsZusatz, const QLocale& gebietsschema);

    QStringList StrHolderLektionen;
    QString Verzeichnis;
    QString Pfad;
    QString VersionsZusatz;
    QLocale Gebietsschema; // gives the short date format

    void fuellen(const QStringList& namen, const QString& verzeichnis, const QString& pfad);
    // The names of the ordinary files matching "*.txt", without directory, by name.
    static QStringList lektionenSuchen(const QString& verzeichnis);

protected:
    QStringList& liste() override { return StrHolderLektionen; }
    void setzen(TBerichtLayout& layout, const QString& name, int nummer) override;
};
