#pragma once

#include "printing/TBerichtLayout.h"
#include "printing/TLektionsBerichtQuelle.h"
#include "shell/TPlattform.h"

class IBerichtVorschau;
class IFortschritt;
class ITrainerAnsicht;
class TLernTrainer;

// The main window's print menu: the loaded lesson with its answers (tag 1) or as a worksheet
// (tag 2), in random order.
class TLektionsDruck {
public:
    TLektionsDruck(TLernTrainer& trainer, ITrainerAnsicht& ansicht, TPlattform plattform,
                   IBerichtVorschau& vorschau, IFortschritt& fortschritt);

    TBerichtLayout frReport2;
    TLektionsBerichtQuelle Quelle;

    void LektionsReportClick(int tag);
    void LektionsReportStarten();

private:
    void restUebernehmen();

    TLernTrainer& m_trainer;
    ITrainerAnsicht& m_ansicht;
    TPlattform m_plattform;
    IBerichtVorschau& m_vorschau;
    IFortschritt& m_fortschritt;
    bool m_laeuft = false; // a print being prepared or shown
};
