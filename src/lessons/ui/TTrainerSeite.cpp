#include "lessons/ui/TTrainerSeite.h"

#include "lessons/TLernTrainer.h"
#include "lessons/ui/TDigitalZaehler.h"
#include "lessons/ui/TErfolgsBalken.h"
#include "lessons/ui/TFormLoesung.h"
#include "lessons/ui/TfrmDemo470b.h"
#include "shell/ui/IModalDialoge.h"
#include "tiles/TZeichenfeldRaster.h"
#include "tiles/ui/TZeichenfeld.h"
#include "tiles/ui/TZeichenfeldTastatur.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

TTrainerSeite::TTrainerSeite(TPlattform plattform, IModalDialoge& dialoge, const TLaufDaten& lauf,
                             const TOptionenModell& optionen, QWidget* eltern)
    : QWidget(eltern), m_dialoge(dialoge) {
    setObjectName(QStringLiteral("TrainerSeite"));
    erzeugeLinkeSpalte();
    erzeugeAufgabenfelder();
    m_tastatur = new TZeichenfeldTastatur(plattform, dialoge, lauf, optionen, this);
    setzeAntwortFarbe(TAntwortFarbe::Weiss);
    // Tab goes from the answer to the buttons, the suggestions and the tiles in their order.
    QWidget* vorher = AntwortEdit;
    for (QWidget* w :
         {static_cast<QWidget*>(NaechsteAufgabeBtn), static_cast<QWidget*>(PruefBtn),
          static_cast<QWidget*>(Vorschlag1label), static_cast<QWidget*>(Vorschlag2label)}) {
        setTabOrder(vorher, w);
        vorher = w;
    }
    for (int n = 1; n <= TZeichenfeldRaster::kFelder; ++n) {
        setTabOrder(vorher, m_tastatur->feld(n));
        vorher = m_tastatur->feld(n);
    }
}

void TTrainerSeite::verbinden(TLernTrainer& trainer) {
    m_trainer = &trainer;
    connect(NaechsteAufgabeBtn, &QPushButton::clicked, this, [this] {
        if (m_trainer)
            m_trainer->NaechsteAufgabeBtnClick();
    });
    connect(PruefBtn, &QPushButton::clicked, this, [this] {
        if (m_trainer)
            m_trainer->PruefBtnClick();
    });
    connect(m_tastatur, &TZeichenfeldTastatur::geklickt, this, [this](const QString& beschriftung) {
        if (m_trainer)
            m_trainer->RzLabel1Click(beschriftung);
    });
    for (QObject* o :
         {static_cast<QObject*>(AntwortEdit), static_cast<QObject*>(LoesungAnzeigenImage),
          static_cast<QObject*>(Vorschlag1label), static_cast<QObject*>(Vorschlag2label)})
        o->installEventFilter(this);
}

void TTrainerSeite::setzeBenutzerName(const QString& name) {
    BenutzerNameLabel->setText(name);
}

void TTrainerSeite::antwortfeldZeigen() {
    AntwortEdit->show();
}

void TTrainerSeite::setzeFeldSchrift(const QFont& schrift, const QColor& farbe) {
    for (QWidget* w :
         {static_cast<QWidget*>(FrageLabel), static_cast<QWidget*>(AntwortEdit),
          static_cast<QWidget*>(Vorschlag1label), static_cast<QWidget*>(Vorschlag2label)}) {
        w->setFont(schrift);
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, farbe);
        p.setColor(QPalette::Text, farbe);
        w->setPalette(p);
    }
    m_tastatur->setzeSchrift(schrift, farbe);
}

void TTrainerSeite::setzeStatusleistenHoehe(int hoehe) {
    m_statusleistenHoehe = hoehe;
    FormResize();
}

bool TTrainerSeite::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (!m_trainer)
        return QWidget::eventFilter(objekt, ereignis);
    if (objekt == AntwortEdit) {
        switch (ereignis->type()) {
        case QEvent::KeyPress: {
            auto* taste = static_cast<QKeyEvent*>(ereignis);
            m_trainer->AntwortEditKeyDown(taste->key(), taste->modifiers());
            break;
        }
        case QEvent::KeyRelease:
            m_trainer->AntwortEditKeyUp();
            break;
        case QEvent::FocusIn:
            m_trainer->AntwortEditEnter();
            break;
        case QEvent::FocusOut:
            m_trainer->AntwortEditExit();
            break;
        case QEvent::MouseButtonPress:
            m_trainer->AntwortEditMouseDown();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(objekt, ereignis);
    }
    const bool vorschlag = objekt == Vorschlag1label || objekt == Vorschlag2label;
    if (vorschlag && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Space || taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            m_trainer->VorschlagClick(static_cast<QLabel*>(objekt)->text());
            return true;
        }
    }
    if (vorschlag &&
        (ereignis->type() == QEvent::FocusIn || ereignis->type() == QEvent::FocusOut)) {
        // The focused suggestion shows a frame, as a button would.
        auto* label = static_cast<QLabel*>(objekt);
        label->setFrameStyle(ereignis->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                                 : QFrame::NoFrame);
    }
    if (ereignis->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton)
        return QWidget::eventFilter(objekt, ereignis);
    if (objekt == LoesungAnzeigenImage) {
        m_trainer->LoesungAnzeigenImageClick();
        return true;
    }
    if (objekt == Vorschlag1label || objekt == Vorschlag2label) {
        m_trainer->VorschlagClick(static_cast<QLabel*>(objekt)->text());
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TTrainerSeite::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    FormResize();
}

void TTrainerSeite::FormResize() {
    TZeichenfeldRaster::TEingabe eingabe;
    eingabe.seitenBreite = width();
    eingabe.seitenHoehe = height();
    eingabe.statusLeistenHoehe = m_statusleistenHoehe;
    eingabe.linksGroupBox1 = GroupBox1->x();
    eingabe.linksGroupBox2 = GroupBox2->x();
    eingabe.linksAntwortEdit = AntwortEdit->x();
    eingabe.feld1 = m_tastatur->feld(1)->pos();
    const TZeichenfeldRaster::TErgebnis raster = TZeichenfeldRaster::berechnen(eingabe);
    const auto breite = [](QGroupBox* box, int b) {
        box->resize(b, box->height());
        // The label inside fills its box.
        for (QLabel* l : box->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            l->resize(b - 2 * l->x(), l->height());
    };
    breite(GroupBox1, raster.breiteGroupBox1);
    breite(GroupBox2, raster.breiteGroupBox2);
    breite(GroupBox3, raster.breiteGroupBox3und4);
    breite(GroupBox4, raster.breiteGroupBox3und4);
    AntwortEdit->resize(raster.breiteAntwortEdit, AntwortEdit->height());
    m_tastatur->anordnen(raster.felder);
}

QColor TTrainerSeite::antwortFarbe(TAntwortFarbe farbe) {
    switch (farbe) {
    case TAntwortFarbe::InfoHintergrund:
        return QApplication::palette().color(QPalette::ToolTipBase);
    case TAntwortFarbe::Weiss:
        return QColor(255, 255, 255);
    case TAntwortFarbe::Rot:
        return QColor(255, 0, 0);
    case TAntwortFarbe::Gruen:
        return QColor(0, 128, 0);
    }
    return {};
}

QString TTrainerSeite::antwortText() const {
    return AntwortEdit->text();
}

void TTrainerSeite::setzeAntwortText(const QString& text) {
    AntwortEdit->setText(text);
}

void TTrainerSeite::antwortFokusUndLeeren() {
    AntwortEdit->setFocus();
    AntwortEdit->clear();
}

void TTrainerSeite::antwortAllesMarkieren() {
    AntwortEdit->selectAll();
}

int TTrainerSeite::antwortEinfuegePosition() const {
    return AntwortEdit->hasSelectedText() ? AntwortEdit->selectionStart()
                                          : AntwortEdit->cursorPosition();
}

void TTrainerSeite::setzeAntwortTextUndCursor(const QString& text, int cursor) {
    AntwortEdit->setText(text);
    AntwortEdit->setCursorPosition(cursor);
}

void TTrainerSeite::setzeAntwortFarbe(TAntwortFarbe farbe) {
    QPalette p = AntwortEdit->palette();
    p.setColor(QPalette::Base, antwortFarbe(farbe));
    AntwortEdit->setPalette(p);
}

void TTrainerSeite::setzeAufgabenTitel(const QString& titel) {
    GroupBox1->setTitle(titel);
    Lesetextlabel->setText(titel);
    Lesetextlabel->adjustSize();
}

void TTrainerSeite::setzeFrage(const QString& frage) {
    FrageLabel->setText(frage);
}

void TTrainerSeite::setzeVorschlaege(const QString& vorschlag1, const QString& vorschlag2) {
    Vorschlag1label->setText(vorschlag1);
    Vorschlag2label->setText(vorschlag2);
}

void TTrainerSeite::setzeFehlerzahl(qint64 fehlerzahl) {
    DigitalZaehler->zeigeZahl(fehlerzahl);
}

void TTrainerSeite::setzeLektionsUeberschrift(const QString& name) {
    Lektionsueberschrift->setText(name);
}

void TTrainerSeite::setzeLektionsHinweis(const QString& pfad) {
    Lektionsueberschrift->setToolTip(pfad);
}

void TTrainerSeite::setzeZahlDerAufgaben(const QString& text) {
    ZahlDerAufgaben->setText(text);
}

void TTrainerSeite::setzeInfoText(const QString& text) {
    AktuelleInfoLabel->setText(text);
}

void TTrainerSeite::zeigeErfolg(bool erfolg) {
    ErfolgsBalken->setVisible(erfolg);
    ErfolgsLabel->setVisible(erfolg);
    BenutzerLabel->setVisible(!erfolg);
    BenutzerNameLabel->setVisible(!erfolg);
    Shape2->setVisible(!erfolg);
}

void TTrainerSeite::setzeErfolg(qint64 maximum, qint64 wert) {
    ErfolgsBalken->setzeWerte(maximum, wert);
}

void TTrainerSeite::loesungZeigen(const QString& frage, const QString& antwort, bool lesemodus) {
    TFormLoesung fenster(this);
    fenster.fuellen(frage, antwort, lesemodus);
    fenster.zentrieren(window()->frameGeometry());
    m_dialoge.ausfuehren(fenster);
}

void TTrainerSeite::urteilZeigen(const QString& text) {
    TfrmDemo470b fenster(this);
    fenster.setzeText(text);
    fenster.platzieren(window()->frameGeometry().topLeft());
    m_dialoge.ausfuehren(fenster);
}

void TTrainerSeite::setzeZeichenfeldHinweise(const QString& hinweis) {
    m_tastatur->setzeHinweis(hinweis);
}

void TTrainerSeite::setzeLesemodusText(const QString& text) {
    Lesemodusaufgabelabel->setText(text);
    // The label grows with its text, as a designed auto-size label does; it never clips.
    Lesemodusaufgabelabel->resize(std::max(293, Lesemodusaufgabelabel->sizeHint().width()),
                                  Lesemodusaufgabelabel->height());
}

void TTrainerSeite::zeichenfelderDrehen(int bereich) {
    m_tastatur->drehen(bereich);
}

void TTrainerSeite::lesemodusLayout(bool normal) {
    // The keyboard lies over the suggestion boxes: hidden, it lets their clicks through.
    m_tastatur->setVisible(normal);
    for (TZeichenfeld* feld : m_tastatur->felder())
        feld->setVisible(normal);
    GroupBox1->setVisible(normal);
    Lesetextlabel->setVisible(!normal);
    GroupBox3->setVisible(!normal);
    GroupBox4->setVisible(!normal);
    Lesemodusaufgabelabel->setVisible(!normal);
    auto setzeOben = [](QWidget* w, int oben) { w->move(w->x(), oben); };
    constexpr int kAbstand = 12;
    if (normal) {
        setzeOben(GroupBox1, Shape1->y() - 4);
        setzeOben(GroupBox2, PruefBtn->y() + 4);
        setzeOben(GroupBox3, Bevel3->y() - 4);
        setzeOben(GroupBox4, GroupBox3->geometry().bottom() + 1 + kAbstand);
        setzeOben(Lesetextlabel, GroupBox2->geometry().bottom() + 1 + kAbstand);
        return;
    }
    // The answer takes the question's place; the rest stacks below it.
    setzeOben(GroupBox2, GroupBox1->y());
    QWidget* davor = GroupBox2;
    for (QWidget* w :
         {static_cast<QWidget*>(Lesetextlabel), static_cast<QWidget*>(GroupBox3),
          static_cast<QWidget*>(GroupBox4), static_cast<QWidget*>(Lesemodusaufgabelabel)}) {
        setzeOben(w, davor->geometry().bottom() + 1 + kAbstand);
        davor = w;
    }
}
