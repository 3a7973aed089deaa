#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// Shows the question and the expected answer of an exercise.
class TFormLoesung : public QDialog {
    Q_OBJECT

public:
    explicit TFormLoesung(QWidget* eltern);

    // In reading mode the headings read "falsch" over the question and "richtig" over the answer.
    void fuellen(const QString& frage, const QString& antwort, bool lesemodus);
    // Centres the window over the given outer frame of the main window.
    void zentrieren(const QRect& hauptFensterRahmen);

private:
    QFrame* m_panel1;
    QLabel* m_rxLabel3;
    QFrame* m_shape1;
    QLabel* m_frageLabel;
    QLabel* m_rxLabel1;
    QFrame* m_shape2;
    QLabel* m_antwortLabel;
    QPushButton* m_button1;
};
