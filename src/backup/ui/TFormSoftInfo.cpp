#include "backup/ui/TFormSoftInfo.h"
#include "shell/TTexte.h"

#include "shell/TFensterLage.h"
#include "shell/ui/TSymbole.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace {

QFrame* rahmen(QWidget* eltern, const char* name, const QRect& ort) {
    auto* f = new QFrame(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(ort);
    return f;
}

QLabel* zeile(QWidget* eltern, const char* name, int oben) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(20, oben, 357, 21);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    return l;
}

} // namespace

TFormSoftInfo::TFormSoftInfo(const QString& versionsZusatz, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_versionsZusatz(versionsZusatz) {
    setObjectName(QStringLiteral("FormSoftInfo"));
    setWindowTitle(QStringLiteral("Software-Information"));
    setFixedSize(396, 320);
    QFont fensterSchrift(QStringLiteral("MS Sans Serif"));
    fensterSchrift.setPixelSize(11);
    setFont(fensterSchrift);

    rahmen(this, "Bevel2", QRect(11, 8, 374, 61));
    Label6 = zeile(this, "Label6", 20);
    builtlabel = zeile(this, "builtlabel", 40);
    rahmen(this, "Bevel1", QRect(11, 67, 374, 173));
    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setGeometry(23, 83, 107, 135);
    bild->setAlignment(Qt::AlignCenter);
    bild->setPixmap(TSymbole::programm().pixmap(96, 96));

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("InfoText"));
    text->setGeometry(146, 83, 225, 135);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text->setText(QStringLiteral("Der Lerntrainer für Schule und Zuhause: Vokabeln, Rechnen, "
                                 "Rechtschreibung und Lesen üben – mit eigenen Lektionen.\n\n"
                                 "MORVANE"));
    auto* hinweis = new QLabel(QStringLiteral("Schließen mit Esc"), this);
    hinweis->setObjectName(QStringLiteral("HinweisLabel"));
    hinweis->setGeometry(11, 280, 374, 21);
    hinweis->setAlignment(Qt::AlignCenter);
    FormActivate();
}

QString TFormSoftInfo::programmZeile(const QString& versionsZusatz) {
    return TTexte::produktName() + QLatin1Char(' ') + versionsZusatz;
}

QString TFormSoftInfo::buildZeile() {
    return QStringLiteral("Built ") + QStringLiteral(DRILLA_VERSION);
}

void TFormSoftInfo::FormShow(const QRect& hauptFensterRahmen) {
    move(TFensterLage::zentriert(hauptFensterRahmen, frameGeometry().size()));
}

void TFormSoftInfo::FormActivate() {
    Label6->setText(programmZeile(m_versionsZusatz));
    builtlabel->setText(buildZeile());
}

bool TFormSoftInfo::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(ereignis);
}

void TFormSoftInfo::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    // Enter has no default button to press here.
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
