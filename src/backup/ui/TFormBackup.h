#pragma once

#include "backup/TSicherungsZiel.h"

#include <QDialog>
#include <QList>

class IMeldungen;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Copies the lesson directory's files to a removable medium or a chosen folder.
class TFormBackup : public QDialog {
    Q_OBJECT
public:
    TFormBackup(IMeldungen& meldungen, int anredeIndex, const QString& lektionsVerzeichnis,
                const QList<TSicherungsZiel>& medien, QWidget* eltern);

    // Centred over the main window's frame.
    void FormShow(const QRect& hauptFensterRahmen);
    QString quellMuster() const { return m_quellMuster; }

    void BitBtnStartClick();
    void BitBtnCancelClick();

private:
    void FormCreate();
    // The chosen target; empty when the folder choice was cancelled.
    TSicherungsZiel zielBestimmen();

    IMeldungen& m_meldungen;
    int m_anrede;
    QString m_lektionsVerzeichnis;
    QString m_quellMuster;
    QList<TSicherungsZiel> m_medien;
    QGroupBox* RadioGroupTarget = nullptr;
    QList<QRadioButton*> m_zielOptionen; // the media, then the folder entry
    QPushButton* BitBtnStart = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QLabel* StatusBarPath = nullptr;
};
