#pragma once

#include "printing/IDatensatzQuelle.h"

#include <QStringList>

// A record source that works off a list from its front, one entry per record, numbered from 1.
// The first record does nothing when the engine asks for it again.
class TListenQuelle : public IDatensatzQuelle {
public:
    int anzahl() const override { return m_anzahl; }
    void erster(TBerichtLayout& layout) override {
        if (liste().size() < m_anzahl)
            return; // the first record has been taken already
        datensatz(layout);
    }
    void naechster(TBerichtLayout& layout) override { datensatz(layout); }

protected:
    virtual QStringList& liste() = 0;
    virtual void setzen(TBerichtLayout& layout, const QString& eintrag, int nummer) = 0;
    // The list is full: its length is the record count.
    void beginnen() { m_anzahl = static_cast<int>(liste().size()); }

private:
    void datensatz(TBerichtLayout& layout) {
        if (liste().isEmpty())
            return;
        const QString eintrag = liste().takeFirst();
        setzen(layout, eintrag, m_anzahl - static_cast<int>(liste().size()));
    }

    int m_anzahl = 0;
};
