#pragma once

#include "backup/ISicherungsFortschritt.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of a backup: which file, files and bytes done of all, and a cancel button.
// While it is shown it is the only window that takes input; the copy lets it handle its
// events between blocks.
class TFormSicherungsFortschritt : public QDialog, public ISicherungsFortschritt {
    Q_OBJECT
public:
    explicit TFormSicherungsFortschritt(QWidget* eltern);

    void beginnen(int dateien, qint64 bytes) override;
    bool stand(int fertig, qint64 bytes, const QString& datei) override;
    void beenden() override;

    bool abgebrochen() const { return m_abgebrochen; }
    static QString standText(int fertig, int dateien, qint64 bytes, qint64 gesamt);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QLabel* DateiLabel = nullptr;
    QLabel* StandLabel = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* AbbrechenBtn = nullptr;
    int m_dateien = 0;
    qint64 m_gesamt = 0;
    bool m_abgebrochen = false;
    QElapsedTimer m_seitZeichnen;
};
