#pragma once

#include "printing/IDatensatzQuelle.h"

#include <QString>
#include <QStringList>

class IWarten;
class IZufall;
class TOptionenModell;
struct TLektion;

// The main window's lesson report: every line of the loaded lesson once, in random order,
// numbered by its place in the file (from 0); as a worksheet without the answers.
class TLektionsBerichtQuelle : public IDatensatzQuelle {
public:
    TLektionsBerichtQuelle(const TLektion& lektion, const TOptionenModell& optionen,
                           const QString& versionsZusatz, IWarten& warten, IZufall& zufall);

    QStringList StrHolderReport;
    QStringList StrHolderIndex; // positions of the lines not yet printed, as decimal texts
    bool ArbeitsblattDruck = false;

    // Takes the whole lesson for a new run: N, the positions 0 .. N - 1 and the lines.
    void fuellen();

    int anzahl() const override { return m_anzahl; }
    void erster(TBerichtLayout& layout) override { frUserDataset2First(layout); }
    void naechster(TBerichtLayout& layout) override { frUserDataset2Next(layout); }
    void frUserDataset2First(TBerichtLayout& layout);
    void frUserDataset2Next(TBerichtLayout& layout);

private:
    void datensatz(TBerichtLayout& layout, bool erster);

    const TLektion& m_lektion;
    const TOptionenModell& m_optionen;
    const QString& m_versionsZusatz;
    IWarten& m_warten;
    IZufall& m_zufall;
    int m_anzahl = 0;
};
