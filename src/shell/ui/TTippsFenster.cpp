#include "shell/ui/TTippsFenster.h"

#include "shell/TTexte.h"
#include "shell/ui/TBauteile.h"

#include "shell/IMeldungen.h"
#include "shell/TFensterLage.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/TSymbole.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

const QColor kGelb(255, 255, 231);

QFrame* panel(QWidget* eltern, const char* name) {
    auto* p = new QFrame(eltern);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
}

void gelb(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kGelb);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(ort);
    return b;
}

// A panel keeps its designed height unless a control reaches further down.
int panelHoehe(int entwurf, const QWidget* unterstes) {
    return qMax(entwurf, unterstes->y() + unterstes->height() + 2);
}

} // namespace

TTippsFenster::TTippsFenster(TTippsDatei& datei, IMeldungen& meldungen, const QString& titel,
                             QWidget* eltern)
    : QDialog(eltern, TBauteile::kFesterDialog | Qt::WindowStaysOnTopHint), m_datei(datei),
      m_meldungen(meldungen) {
    setObjectName(QStringLiteral("abcWelcomeTips1"));
    setWindowTitle(titel);
    QFont fensterSchrift(QStringLiteral("MS Sans Serif"));
    fensterSchrift.setPixelSize(11);
    setFont(fensterSchrift);

    QFrame* oben = panel(this, "Panel1");
    QLabel* gruss = beschriftung(oben, "TippsUeberschrift", QStringLiteral("Tipps und Tricks "));
    QFont grussSchrift(QStringLiteral("Times New Roman"));
    grussSchrift.setPixelSize(24);
    grussSchrift.setBold(true);
    gruss->setFont(grussSchrift);
    gruss->move(14, 6);
    gruss->adjustSize();
    const int hoeheOben = panelHoehe(41, gruss);
    oben->setGeometry(0, 0, kBreite, hoeheOben);

    QFrame* mitte = panel(this, "Panel2");
    mitte->setGeometry(0, hoeheOben, kBreite, 177);
    auto* feld = new QFrame(mitte);
    feld->setObjectName(QStringLiteral("TippFeld"));
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setGeometry(13, 6, 329, 155);
    gelb(feld);
    auto* bild = new QLabel(mitte);
    bild->setObjectName(QStringLiteral("TippBild"));
    bild->setGeometry(26, 24, 32, 38);
    bild->setAlignment(Qt::AlignCenter);
    bild->setPixmap(TSymbole::loesung());
    gelb(bild);
    QLabel* kopf = beschriftung(mitte, "TippLabel", QStringLiteral("Tipp"));
    QFont fett = font();
    fett.setBold(true);
    kopf->setFont(fett);
    kopf->move(74, 33);
    kopf->adjustSize();
    gelb(kopf);
    TippText = beschriftung(mitte, "TippText", {});
    TippText->setGeometry(74, 64, 249, 81);
    TippText->setWordWrap(true);
    TippText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    gelb(TippText);
    QPushButton* naechster =
        knopf(mitte, "NaechsterTippBtn", QStringLiteral("Nächster Tipp"), QRect(356, 6, 113, 23));
    naechster->setAutoDefault(false);

    QFrame* unten = panel(this, "Panel3");
    ZeigenCheckBox = new QCheckBox(
        QStringLiteral("&Diesen Dialog beim nächsten Programmstart anzeigen ..."), unten);
    ZeigenCheckBox->setObjectName(QStringLiteral("ZeigenCheckBox"));
    ZeigenCheckBox->setGeometry(14, 4, 327, 32);
    SchliessenBtn =
        knopf(unten, "SchliessenBtn", QStringLiteral("Schließen"), QRect(356, 2, 113, 23));
    SchliessenBtn->setDefault(true);
    const int hoeheUnten = panelHoehe(40, ZeigenCheckBox);
    // The check box shows its whole text in the fonts at hand; where it needs more room than
    // designed, the window grows to the right and the buttons move with its edge.
    const int mehr =
        qMax(0, ZeigenCheckBox->x() + ZeigenCheckBox->sizeHint().width() + 8 - SchliessenBtn->x());
    const int breite = kBreite + mehr;
    ZeigenCheckBox->resize(qMax(ZeigenCheckBox->width(), ZeigenCheckBox->sizeHint().width()),
                           ZeigenCheckBox->height());
    for (QWidget* knopf : {static_cast<QWidget*>(naechster), static_cast<QWidget*>(SchliessenBtn)})
        knopf->move(knopf->x() + mehr, knopf->y());
    oben->resize(breite, oben->height());
    mitte->resize(breite, mitte->height());
    unten->setGeometry(0, hoeheOben + 177, breite, hoeheUnten);

    setFixedSize(breite, hoeheOben + 177 + hoeheUnten);

    connect(naechster, &QPushButton::clicked, this, &TTippsFenster::NaechsterTippBtnClick);
    // Only the user's clicks: setting the box from the file must not write it back.
    connect(ZeigenCheckBox, &QCheckBox::clicked, this, &TTippsFenster::ZeigenCheckBoxClick);
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormShow();
    Zentrieren();
}

void TTippsFenster::showEvent(QShowEvent* ereignis) {
    if (!ereignis->spontaneous()) {
        if (!m_frisch)
            FormShow();
        m_frisch = false;
        Zentrieren();
    }
    QDialog::showEvent(ereignis);
}

void TTippsFenster::FormShow() {
    ZeigenCheckBox->setChecked(m_datei.Kontrollkaestchen());
    bool ok = true;
    TippText->setText(m_datei.NaechsterTipp(&ok));
    Gespeichert(ok);
    SchliessenBtn->setFocus();
}

void TTippsFenster::NaechsterTippBtnClick() {
    bool ok = true;
    TippText->setText(m_datei.NaechsterTipp(&ok));
    Gespeichert(ok);
}

void TTippsFenster::ZeigenCheckBoxClick(bool zeigen) {
    Gespeichert(m_datei.SetzeZeigenBeimStart(zeigen));
}

// One box per window is enough: the user cannot fix the disk from here.
void TTippsFenster::Gespeichert(bool ok) {
    if (ok || m_gemeldet)
        return;
    m_gemeldet = true;
    m_meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                        QString::fromUtf8(TTexte::kSpeicherFehler));
}

void TTippsFenster::Zentrieren() {
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    move(TFensterLage::zentriert(bildschirm->availableGeometry(), frameGeometry().size()));
}
