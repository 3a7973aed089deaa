#pragma once

#include <QWidget>

class QTextBrowser;

// The program's own help viewer: the HTML manual beside the program, with its links.
class THilfeFenster : public QWidget {
    Q_OBJECT
public:
    THilfeFenster(const QString& startseite, QWidget* eltern = nullptr);
    QString seite() const;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QTextBrowser* m_browser;
};
