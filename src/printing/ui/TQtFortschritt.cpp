#include "printing/ui/TQtFortschritt.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
// Redrawn and asked for a cancel at most this often (ms), so short reports cost nothing.
constexpr int kTakt = 40;

QString beschriftung(int fertig, int gesamt) {
    return QStringLiteral("Der Ausdruck wird vorbereitet: %1 von %2").arg(fertig).arg(gesamt);
}
} // namespace

TQtFortschritt::TQtFortschritt(QWidget* eltern) : m_eltern(eltern) {}

TQtFortschritt::~TQtFortschritt() {
    delete m_box;
}

void TQtFortschritt::beginnen(int gesamt) {
    beenden();
    if (gesamt < 2)
        return; // one record is there at once
    m_box = new QProgressDialog(beschriftung(0, gesamt), QStringLiteral("Abbrechen"), 0, gesamt,
                                m_eltern);
    m_box->setObjectName(QStringLiteral("DruckFortschritt"));
    m_box->setWindowTitle(QStringLiteral("Drucken"));
    m_box->setWindowModality(Qt::ApplicationModal);
    m_box->setAutoClose(false);
    m_box->setAutoReset(false);
    m_box->setMinimumDuration(0);
    m_box->setValue(0);
    m_box->show();
    m_uhr.start();
}

bool TQtFortschritt::melden(int fertig, int gesamt) {
    if (!m_box)
        return true;
    if (fertig < gesamt && m_uhr.isValid() && m_uhr.elapsed() < kTakt)
        return !m_box->wasCanceled();
    m_uhr.restart();
    m_box->setLabelText(beschriftung(fertig, gesamt));
    m_box->setValue(fertig);
    QCoreApplication::processEvents();
    return !m_box->wasCanceled();
}

void TQtFortschritt::beenden() {
    if (m_box) {
        m_box->hide();
        m_box->deleteLater();
        m_box = nullptr;
    }
}
