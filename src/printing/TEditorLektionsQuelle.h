#pragma once

#include "printing/TListenQuelle.h"

#include <QString>
#include <QStringList>

// The editor's lesson report: the table's rows in their order, numbered from 1.
class TEditorLektionsQuelle : public TListenQuelle {
public:
    explicit TEditorLektionsQuelle(const QString& versionsZusatz);

    QStringList StrHolderReport2;
    QString Pfad;
    QString VersionsZusatz;

    void fuellen(const QStringList& zeilen, const QString& pfad);

protected:
    QStringList& liste() override { return StrHolderReport2; }
    void setzen(TBerichtLayout& layout, const QString& zeile, int nummer) override;
};
