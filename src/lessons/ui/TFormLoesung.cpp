#include "lessons/ui/TFormLoesung.h"

#include "shell/ui/TBauteile.h"

#include "shell/TFensterLage.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

const QString kEntwurfsText = QStringLiteral("Hallo\r\nHier habe ich die Lösung ...");

QFont arial(int pixel) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    return schrift;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QRect& lage, int pixel,
                     const QColor& farbe, const QString& text) {
    auto* label = new QLabel(eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(arial(pixel));
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, farbe);
    label->setPalette(farben);
    label->setText(text);
    // Fixed size: long text is cut off instead of growing the label.
    label->setFixedSize(lage.size());
    label->setGeometry(lage);
    return label;
}

QFrame* linie(QWidget* eltern, const char* name, const QRect& lage) {
    auto* strich = new QFrame(eltern);
    strich->setObjectName(QString::fromLatin1(name));
    strich->setFrameShape(QFrame::NoFrame);
    strich->setAutoFillBackground(true);
    QPalette farben = strich->palette();
    farben.setColor(QPalette::Window, QColor(0, 0, 255));
    strich->setPalette(farben);
    strich->setGeometry(lage);
    return strich;
}

} // namespace

TFormLoesung::TFormLoesung(QWidget* eltern) : QDialog(eltern, TBauteile::kFesterDialog) {
    setObjectName(QStringLiteral("TFormLoesung"));
    setWindowTitle(QStringLiteral("Lösung"));
    setFixedSize(529, 301);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel1->setAutoFillBackground(true);
    QPalette weiss = m_panel1->palette();
    weiss.setColor(QPalette::Window, QColor(255, 255, 255));
    m_panel1->setPalette(weiss);
    m_panel1->setGeometry(0, 0, 529, 301);

    const QColor schwarz(0, 0, 0);
    const QColor marine(0, 0, 128);

    m_rxLabel3 = beschriftung(m_panel1, "RxLabel3", QRect(16, 13, 79, 22), 19, schwarz,
                              QStringLiteral("Aufgabe"));
    m_shape1 = linie(m_panel1, "Shape1", QRect(15, 36, 500, 2));
    m_frageLabel =
        beschriftung(m_panel1, "FrageLabel", QRect(16, 44, 500, 65), 12, marine, kEntwurfsText);
    m_frageLabel->setWordWrap(true);
    m_frageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_rxLabel1 = beschriftung(m_panel1, "RxLabel1", QRect(16, 137, 79, 22), 19, schwarz,
                              QStringLiteral("Antwort "));
    m_shape2 = linie(m_panel1, "Shape2", QRect(15, 160, 500, 2));
    m_antwortLabel =
        beschriftung(m_panel1, "AntwortLabel", QRect(16, 168, 500, 65), 12, marine, kEntwurfsText);
    m_antwortLabel->setWordWrap(true);
    m_antwortLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_button1 = new QPushButton(QStringLiteral("Schliessen"), m_panel1);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(227, 260, 75, 25);
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, &QDialog::accept);
    m_button1->setFocus();
}

void TFormLoesung::fuellen(const QString& frage, const QString& antwort, bool lesemodus) {
    m_antwortLabel->setText(antwort);
    m_frageLabel->setText(frage);
    if (lesemodus) {
        m_rxLabel1->setText(QStringLiteral("richtig"));
        m_rxLabel3->setText(QStringLiteral("falsch"));
    }
}

void TFormLoesung::zentrieren(const QRect& hauptFensterRahmen) {
    move(TFensterLage::zentriert(hauptFensterRahmen, frameGeometry().size()));
}
