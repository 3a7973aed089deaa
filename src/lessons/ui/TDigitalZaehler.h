#pragma once

#include <QLCDNumber>
#include <QString>

// Seven-segment error counter: red segments on black, at least three digits.
class TDigitalZaehler : public QLCDNumber {
    Q_OBJECT

public:
    static constexpr int kStellen = 3;

    explicit TDigitalZaehler(QWidget* eltern = nullptr);

    // Shows n with leading zeros; more digits are added rather than showing a wrong number.
    void zeigeZahl(qint64 n);
    QString text() const { return m_text; }

private:
    QString m_text;
};
