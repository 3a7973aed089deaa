#pragma once

#include <QDialog>

class QLabel;

// Names the program and its exact build. Esc closes it; Enter does nothing.
class TFormSoftInfo : public QDialog {
    Q_OBJECT
public:
    TFormSoftInfo(const QString& versionsZusatz, QWidget* eltern);

    static QString programmZeile(const QString& versionsZusatz);
    static QString buildZeile();
    // Centred over the main window's frame.
    void FormShow(const QRect& hauptFensterRahmen);

protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void FormActivate();

    QString m_versionsZusatz;
    QLabel* Label6 = nullptr;
    QLabel* builtlabel = nullptr;
};
