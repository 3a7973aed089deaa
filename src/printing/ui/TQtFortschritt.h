#pragma once

#include "printing/IFortschritt.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

// A modal progress box with "Abbrechen" while a report is prepared. Being modal, it also
// keeps other commands out while the preparation pauses.
class TQtFortschritt : public IFortschritt {
public:
    explicit TQtFortschritt(QWidget* eltern);
    ~TQtFortschritt() override;
    void beginnen(int gesamt) override;
    bool melden(int fertig, int gesamt) override;
    void beenden() override;

private:
    QWidget* m_eltern;
    QPointer<QProgressDialog> m_box;
    QElapsedTimer m_uhr;
};
