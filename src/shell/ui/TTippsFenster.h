#pragma once

#include <QDialog>

class IMeldungen;
class TTippsDatei;
class QCheckBox;
class QLabel;
class QPushButton;

// Shows one tip per opening and per click on "Nächster Tipp"; the check box decides whether
// the window opens by itself at the next start. The caller shows it modally.
class TTippsFenster : public QDialog {
    Q_OBJECT
public:
    TTippsFenster(TTippsDatei& datei, IMeldungen& meldungen, const QString& titel, QWidget* eltern);

    static constexpr int kBreite = 486;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void FormShow();
    void NaechsterTippBtnClick();
    void ZeigenCheckBoxClick(bool zeigen);
    void Gespeichert(bool ok);
    void Zentrieren();

    TTippsDatei& m_datei;
    IMeldungen& m_meldungen;
    bool m_gemeldet = false;
    // The first showing follows the construction, which has already shown a tip.
    bool m_frisch = true;
    QLabel* TippText = nullptr;
    QCheckBox* ZeigenCheckBox = nullptr;
    QPushButton* SchliessenBtn = nullptr;
};
