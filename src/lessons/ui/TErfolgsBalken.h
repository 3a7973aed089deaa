#pragma once

#include <QColor>
#include <QWidget>

// Success bar: a red-to-green gradient revealed from the left up to the percentage.
class TErfolgsBalken : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStufen = 64;

    explicit TErfolgsBalken(QWidget* eltern = nullptr);

    // The bar shows how much of maximum the value reaches.
    void setzeWerte(qint64 maximum, qint64 wert);
    int prozent() const { return m_prozent; }
    qint64 maximum() const { return m_maximum; }
    qint64 wert() const { return m_wert; }

    // Colour of gradient step 0 (red) .. kStufen - 1 (lime).
    static QColor gradientFarbe(int stufe);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    qint64 m_maximum = 0;
    qint64 m_wert = 0;
    int m_prozent = 0;
};
