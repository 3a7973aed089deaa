#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// The verdict shown at the end of a lesson.
class TfrmDemo470b : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDemo470b(QWidget* eltern);

    void setzeText(const QString& text);
    // Places the window at a fixed offset from the main window's top-left corner.
    void platzieren(const QPoint& hauptFensterEcke);

private:
    QFrame* m_panel1;
    QFrame* m_panel3;
    QLabel* m_image2;
    QLabel* m_rxLabel1;
    QPushButton* m_button1;
};
