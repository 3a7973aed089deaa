#pragma once

#include <QColor>
#include <QToolButton>

// A toolbar button whose text takes the menu font's colour and turns navy under the mouse.
// It paints that itself instead of carrying a style sheet: a style sheet per button is costly
// to set up and routes every paint through the style sheet machinery.
class TWerkzeugKnopf : public QToolButton {
    Q_OBJECT

public:
    explicit TWerkzeugKnopf(QWidget* eltern = nullptr);

    void setzeTextFarbe(const QColor& farbe);
    QColor textFarbe() const { return m_farbe; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QColor m_farbe = Qt::black;
};
