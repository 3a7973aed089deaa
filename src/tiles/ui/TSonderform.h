#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFont;
class QLabel;
class QPoint;
class QPushButton;

// The picker for the assignable tiles. Created once and reused, so the list text and the
// preview keep the last choice between openings.
class TSonderform : public QDialog {
    Q_OBJECT

public:
    explicit TSonderform(QWidget* eltern);

    // Before every opening: refills the list, moves the window to the screen position and
    // gives the list and the preview the field font. The edit text stays as it was.
    void FormShow(const QPoint& position, const QFont& feldSchrift);
    // The accepted text exactly as it stood, or "999" when the window was cancelled.
    QString GewaehltesZeichen() const { return m_gewaehltesZeichen; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void ComboBox1Change();
    void Button1Click();

    QLabel* RzLabel;
    QComboBox* ComboBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    QString m_gewaehltesZeichen;
};
