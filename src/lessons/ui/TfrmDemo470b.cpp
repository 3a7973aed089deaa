#include "lessons/ui/TfrmDemo470b.h"

#include "shell/ui/TBauteile.h"

#include "shell/ui/TSymbole.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

TfrmDemo470b::TfrmDemo470b(QWidget* eltern) : QDialog(eltern, TBauteile::kFesterDialog) {
    setObjectName(QStringLiteral("TfrmDemo470b"));
    setWindowTitle(TBauteile::leererTitel());
    setFixedSize(316, 181);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameShape(QFrame::NoFrame);
    m_panel1->setGeometry(0, 0, 316, 181);

    // Light band behind the picture, set off from the button area below.
    m_panel3 = new QFrame(m_panel1);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::NoFrame);
    m_panel3->setAutoFillBackground(true);
    QPalette band = m_panel3->palette();
    band.setColor(QPalette::Window, QColor(226, 232, 244));
    m_panel3->setPalette(band);
    m_panel3->setGeometry(0, 0, 316, 60);

    m_image2 = new QLabel(m_panel1);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setPixmap(TSymbole::info());
    m_image2->setGeometry(16, 12, 32, 32);

    m_rxLabel1 = new QLabel(m_panel1);
    m_rxLabel1->setObjectName(QStringLiteral("RxLabel1"));
    m_rxLabel1->setTextFormat(Qt::PlainText);
    m_rxLabel1->setWordWrap(true);
    m_rxLabel1->setAlignment(Qt::AlignCenter);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(12);
    m_rxLabel1->setFont(schrift);
    m_rxLabel1->setForegroundRole(QPalette::WindowText);
    m_rxLabel1->setFixedSize(285, 65);
    m_rxLabel1->setGeometry(16, 56, 285, 65);

    m_button1 = new QPushButton(QStringLiteral("&OK"), m_panel1);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(108, 140, 101, 25);
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, &QDialog::accept);
    m_button1->setFocus();
}

void TfrmDemo470b::setzeText(const QString& text) {
    m_rxLabel1->setText(text);
}

void TfrmDemo470b::platzieren(const QPoint& hauptFensterEcke) {
    move(hauptFensterEcke + QPoint(250, 50));
}
