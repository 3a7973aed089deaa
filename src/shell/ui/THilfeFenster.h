#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

// The program's own help viewer: the HTML manual beside the program, with its links. It closes
// with Esc or its own button, also where no window manager draws a title bar.
class THilfeFenster : public QWidget {
    Q_OBJECT
public:
    THilfeFenster(const QString& startseite, QWidget* eltern = nullptr);
    QString seite() const;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QTextBrowser* m_browser;
    QPushButton* m_schliessen;
};
