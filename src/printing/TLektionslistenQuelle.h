#pragma once

#include "printing/IDatensatzQuelle.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The editor's list of lesson files: number, name, size and date of each, read when its
// record is printed.
class TLektionslistenQuelle : public IDatensatzQuelle {
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

    int anzahl() const override { return m_anzahl; }
    void erster(TBerichtLayout& layout) override;
    void naechster(TBerichtLayout& layout) override { datensatz(layout); }

private:
    void datensatz(TBerichtLayout& layout);

    int m_anzahl = 0;
};
