#pragma once

#include "printing/IDatensatzQuelle.h"

#include <QString>
#include <QStringList>

// The editor's lesson report: the table's rows in their order, numbered from 1.
class TEditorLektionsQuelle : public IDatensatzQuelle {
public:
    explicit TEditorLektionsQuelle(const QString& versionsZusatz);

    QStringList StrHolderReport2;
    QString Pfad;
    QString VersionsZusatz;

    void fuellen(const QStringList& zeilen, const QString& pfad);

    int anzahl() const override { return m_anzahl; }
    void erster(TBerichtLayout& layout) override;
    void naechster(TBerichtLayout& layout) override { datensatz(layout); }

private:
    void datensatz(TBerichtLayout& layout);

    int m_anzahl = 0;
};
