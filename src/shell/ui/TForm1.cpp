#include "shell/ui/TForm1.h"

#include "backup/ui/TFormSoftInfo.h"

#include "lessons/ui/TDigitalZaehler.h"
#include "lessons/ui/TErfolgsBalken.h"
#include "lessons/ui/TFormLoesung.h"
#include "lessons/ui/TfrmDemo470b.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TSymbole.h"
#include "tiles/TTastenbelegung.h"
#include "tiles/ui/TSonderform.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace {
// Designed client size and the smallest outer size (500 x 500 with the window frame).
constexpr int kBreite = 785;
constexpr int kHoehe = 571;
constexpr int kMinBreite = 492;
constexpr int kMinHoehe = 473;
} // namespace

TForm1::TForm1(TPlattform plattform, IModalDialoge& dialoge, QWidget* eltern)
    : QWidget(eltern), m_plattform(plattform), m_dialoge(dialoge), m_trainer(*this, plattform) {
    setObjectName(QStringLiteral("Form1"));
    setProperty("Klasse", QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("DRILLA, der Lerntrainer ") + m_trainer.VersionsZusatz);
    setWindowIcon(TSymbole::programm());
    resize(kBreite, kHoehe);
    setMinimumSize(kMinBreite, kMinHoehe);

    FormPanel1 = new QWidget(this);
    FormPanel1->setObjectName(QStringLiteral("FormPanel1"));
    FormPanel1->setAutoFillBackground(true);
    QPalette seite = FormPanel1->palette();
    seite.setColor(QPalette::Window, seite.color(QPalette::Base));
    FormPanel1->setPalette(seite);
    FormPanel1->setGeometry(rect());

    erzeugeWerkzeugleiste();
    erzeugeMenues();
    erzeugeTrainerSeite();
    erzeugeZeichenfelder();
    erzeugeStatusleiste();
    optionenAnzeigen();
    verbinden();
    setzeAntwortFarbe(TAntwortFarbe::Weiss);
    m_trainer.HistorieBeschriften();
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

QAction* TForm1::aktion(const QString& name) const {
    return findChild<QAction*>(name);
}

void TForm1::optionenAnzeigen() {
    const TOptionen& o = m_trainer.Optionen;
    aktion(QStringLiteral("Ton1"))->setChecked(o.Ton);
    aktion(QStringLiteral("PopupHilfeanzeigen1"))->setChecked(o.PopupHilfe);
    aktion(QStringLiteral("FelderDrehen1"))->setChecked(o.FelderDrehen);
    aktion(QStringLiteral("AntwortbeiderEingabeprfen1"))->setChecked(o.SofortPruefen);
    aktion(QStringLiteral("AnredemitDU1"))->setChecked(o.AnredeDu);
    aktion(QStringLiteral("KeineFarbeimAusdruck1"))->setChecked(o.OhneFarbeDrucken);
    aktion(QStringLiteral("LesemodusMenu"))->setChecked(o.Lesemodus);
    aktion(QStringLiteral("Vertauschen"))->setChecked(o.Vertauschen);
}

void TForm1::verbinden() {
    auto bei = [this](const char* name, auto handler) {
        connect(aktion(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    bei("Lektionladen", [this] { m_trainer.LektionladenClick(); });
    bei("Auswertung", [this] { m_trainer.AuswertungClick(); });
    bei("Auswertungzurcksetzten1", [this] { m_trainer.Auswertungzurcksetzten1Click(); });
    bei("Info1", [this] { Info1Click(); });
    bei("MenuItem7", [this] { m_trainer.FehlerUebenClick(); });
    bei("MenuItem8", [this] { m_trainer.FehlerLektionSpeichernClick(); });
    bei("Vertauschen", [this] {
        m_trainer.VertauschenClick();
        optionenAnzeigen();
    });
    bei("LesemodusMenu", [this] {
        m_trainer.LesemodusMenuClick();
        optionenAnzeigen();
    });
    bei("NetzwerkLektionsPfad", [this] { m_trainer.NetzwerkLektionsPfadClick(); });
    bei("PrivatesLektionsverzeichnis", [this] { m_trainer.PrivatesLektionsverzeichnisClick(); });
    bei("FelderDrehen1", [this] {
        m_trainer.Optionen.FelderDrehen = aktion(QStringLiteral("FelderDrehen1"))->isChecked();
    });
    bei("TastenmitSonderzeichenbelegen1", [this] { TastenmitSonderzeichenbelegen1Click(); });
    for (TZeichenfeld* feld : m_zeichenfelder) {
        connect(feld, &TZeichenfeld::geklickt, this, [this](TZeichenfeld* f) { RzLabel1Click(f); });
        if (feld->nummer() < TTastenbelegung::kErste)
            continue;
        connect(feld, &TZeichenfeld::gedrueckt, this,
                [this](TZeichenfeld* f) { RzLabel79MouseDown(f); });
        connect(feld, &TZeichenfeld::kontextmenue, this,
                [this](TZeichenfeld*, const QPoint& ort) { PopupMenuSonderzeichen->popup(ort); });
    }
    PopupMenuSonderzeichen = new QMenu(this);
    PopupMenuSonderzeichen->setObjectName(QStringLiteral("PopupMenuSonderzeichen"));
    neueAktion(PopupMenuSonderzeichen, "Sonderzeichen1", QStringLiteral("Sonderzeichen"), {});
    bei("Sonderzeichen1", [this] { Sonderzeichen1Click(); });
    Sonderform = new TSonderform(this);
    for (QAction* eintrag : m_historie)
        connect(eintrag, &QAction::triggered, this, [this, eintrag] {
            m_trainer.LetztegeladeneLektion1Click(eintrag->data().toString());
        });
    bei("Index1", [this] { Index1Click(); });
    bei("TippsTricks1", [this] { TippsTricks1Click(); });
    bei("Homepage1", [this] { Homepage1Click(); });
    bei("Ton1", [this] { Ton1Click(); });
    bei("PopupHilfeanzeigen1", [this] { PopupHilfeanzeigen1Click(); });
    bei("KeineFarbeimAusdruck1", [this] { KeineFarbeimAusdruck1Click(); });
    bei("AntwortbeiderEingabeprfen1", [this] { AntwortbeiderEingabeprfen1Click(); });
    bei("AnredemitDU1", [this] { AnredemitDU1Click(); });
    connect(m_knoepfe.at(5), &QToolButton::clicked, this, [this] { btn6Click(); });
    connect(NaechsteAufgabeBtn, &QPushButton::clicked, this,
            [this] { m_trainer.NaechsteAufgabeBtnClick(); });
    connect(PruefBtn, &QPushButton::clicked, this, [this] { m_trainer.PruefBtnClick(); });
}

// The check marks are the options: a click has already inverted the mark.
void TForm1::Ton1Click() {
    m_trainer.Optionen.Ton = aktion(QStringLiteral("Ton1"))->isChecked();
}

void TForm1::PopupHilfeanzeigen1Click() {
    m_trainer.Optionen.PopupHilfe = aktion(QStringLiteral("PopupHilfeanzeigen1"))->isChecked();
}

void TForm1::KeineFarbeimAusdruck1Click() {
    m_trainer.Optionen.OhneFarbeDrucken =
        aktion(QStringLiteral("KeineFarbeimAusdruck1"))->isChecked();
}

void TForm1::AntwortbeiderEingabeprfen1Click() {
    m_trainer.AntwortbeiderEingabeprfen1Click();
    aktion(QStringLiteral("AntwortbeiderEingabeprfen1"))
        ->setChecked(m_trainer.Optionen.SofortPruefen);
}

void TForm1::AnredemitDU1Click() {
    m_trainer.AnredemitDU1Click();
    aktion(QStringLiteral("AnredemitDU1"))->setChecked(m_trainer.Optionen.AnredeDu);
}

void TForm1::btn6Click() {
    close();
}

void TForm1::Info1Click() {
    TFormSoftInfo fenster(m_trainer.VersionsZusatz, this);
    fenster.FormShow(frameGeometry());
    m_dialoge.ausfuehren(fenster);
}

void TForm1::FormKeyDown(int taste) {
    if (taste == Qt::Key_F2)
        m_trainer.LoesungAnzeigenImageClick();
}

bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::ToolTip:
        // Hints switched off hide every hint of every window.
        if (!m_trainer.Optionen.PopupHilfe)
            return true;
        break;
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        // The window sees each key first, once, before the focused control handles it.
        auto* ziel = qobject_cast<QWidget*>(objekt);
        const bool erstesZiel = ziel && (ziel == QApplication::focusWidget() ||
                                         (!QApplication::focusWidget() && ziel == this));
        if (erstesZiel && ziel->window() == this)
            FormKeyDown(taste->key());
        if (objekt == AntwortEdit)
            m_trainer.AntwortEditKeyDown(taste->key(), taste->modifiers());
        break;
    }
    case QEvent::KeyRelease:
        if (objekt == AntwortEdit)
            m_trainer.AntwortEditKeyUp();
        break;
    case QEvent::FocusIn:
        if (objekt == AntwortEdit)
            m_trainer.AntwortEditEnter();
        break;
    case QEvent::FocusOut:
        if (objekt == AntwortEdit)
            m_trainer.AntwortEditExit();
        break;
    case QEvent::MouseButtonPress:
        if (objekt == AntwortEdit)
            m_trainer.AntwortEditMouseDown();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton)
            break;
        if (objekt == LoesungAnzeigenImage) {
            m_trainer.LoesungAnzeigenImageClick();
            return true;
        }
        if (const int tag = m_statusfelder.indexOf(qobject_cast<QLabel*>(objekt)); tag >= 0) {
            StatusaendernClick(tag + 1);
            return true;
        }
        if (objekt == Vorschlag1label || objekt == Vorschlag2label) {
            m_trainer.VorschlagClick(static_cast<QLabel*>(objekt)->text());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TForm1::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    FormPanel1->setGeometry(rect());
    toppanel->setGeometry(0, 0, width(), toppanel->height());
    RzStatusBar2->setGeometry(0, height() - 31, width(), 31);
    int links = width() - 4 - 28 * m_statusfelder.size();
    for (QLabel* feld : m_statusfelder) {
        feld->setGeometry(links, 3, 28, 25);
        links += 28;
    }
    FormResize();
}

QColor TForm1::antwortFarbe(TAntwortFarbe farbe) {
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

QString TForm1::antwortText() const {
    return AntwortEdit->text();
}

void TForm1::setzeAntwortText(const QString& text) {
    AntwortEdit->setText(text);
}

void TForm1::antwortFokusUndLeeren() {
    AntwortEdit->setFocus();
    AntwortEdit->clear();
}

void TForm1::antwortAllesMarkieren() {
    AntwortEdit->selectAll();
}

void TForm1::setzeAntwortFarbe(TAntwortFarbe farbe) {
    QPalette p = AntwortEdit->palette();
    p.setColor(QPalette::Base, antwortFarbe(farbe));
    AntwortEdit->setPalette(p);
}

void TForm1::setzeAufgabenTitel(const QString& titel) {
    GroupBox1->setTitle(titel);
    Lesetextlabel->setText(titel);
    Lesetextlabel->adjustSize();
}

void TForm1::setzeFrage(const QString& frage) {
    FrageLabel->setText(frage);
}

void TForm1::setzeVorschlaege(const QString& vorschlag1, const QString& vorschlag2) {
    Vorschlag1label->setText(vorschlag1);
    Vorschlag2label->setText(vorschlag2);
}

void TForm1::setzeFehlerzahl(qint64 fehlerzahl) {
    DigitalZaehler->zeigeZahl(fehlerzahl);
}

void TForm1::setzeLektionsUeberschrift(const QString& name) {
    Lektionsueberschrift->setText(name);
}

void TForm1::setzeLektionsHinweis(const QString& pfad) {
    Lektionsueberschrift->setToolTip(pfad);
}

void TForm1::setzeZahlDerAufgaben(const QString& text) {
    ZahlDerAufgaben->setText(text);
}

void TForm1::setzeInfoText(const QString& text) {
    AktuelleInfoLabel->setText(text);
}

void TForm1::setzeHistorienTitel(int nummer, const QString& titel) {
    QAction* eintrag = m_historie.value(nummer - 1);
    if (!eintrag)
        return;
    // The caption keeps the path as it is; "&" in a path must not become an access key.
    eintrag->setData(titel);
    eintrag->setText(QString(titel).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void TForm1::zeigeErfolg(bool erfolg) {
    ErfolgsBalken->setVisible(erfolg);
    ErfolgsLabel->setVisible(erfolg);
    BenutzerLabel->setVisible(!erfolg);
    BenutzerNameLabel->setVisible(!erfolg);
    Shape2->setVisible(!erfolg);
}

void TForm1::setzeErfolg(qint64 maximum, qint64 wert) {
    ErfolgsBalken->setzeWerte(maximum, wert);
}

void TForm1::loesungZeigen(const QString& frage, const QString& antwort, bool lesemodus) {
    TFormLoesung fenster(this);
    fenster.fuellen(frage, antwort, lesemodus);
    fenster.zentrieren(frameGeometry());
    m_dialoge.ausfuehren(fenster);
}

void TForm1::urteilZeigen(const QString& text) {
    TfrmDemo470b fenster(this);
    fenster.setzeText(text);
    fenster.platzieren(frameGeometry().topLeft());
    m_dialoge.ausfuehren(fenster);
}

void TForm1::setzeZeichenfeldHinweise(const QString& hinweis) {
    for (TZeichenfeld* feld : m_zeichenfelder)
        feld->setToolTip(hinweis);
}

void TForm1::setzeLesemodusText(const QString& text) {
    Lesemodusaufgabelabel->setText(text);
    // The label grows with its text, as a designed auto-size label does; it never clips.
    Lesemodusaufgabelabel->resize(std::max(293, Lesemodusaufgabelabel->sizeHint().width()),
                                  Lesemodusaufgabelabel->height());
}

void TForm1::lesemodusLayout(bool normal) {
    for (TZeichenfeld* feld : m_zeichenfelder)
        feld->setVisible(normal);
    GroupBox1->setVisible(normal);
    Lesetextlabel->setVisible(!normal);
    GroupBox3->setVisible(!normal);
    GroupBox4->setVisible(!normal);
    Lesemodusaufgabelabel->setVisible(!normal);
    auto setzeOben = [](QWidget* w, int oben) { w->move(w->x(), oben); };
    constexpr int kAbstand = 12;
    if (normal) {
        setzeOben(GroupBox1, findChild<QWidget*>(QStringLiteral("Shape1"))->y() - 4);
        setzeOben(GroupBox2, PruefBtn->y() + 4);
        setzeOben(GroupBox3, findChild<QWidget*>(QStringLiteral("Bevel3"))->y() - 4);
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

void TForm1::setzeNetzwerkHinweis(const QString& hinweis) {
    aktion(QStringLiteral("NetzwerkLektionsPfad"))->setToolTip(hinweis);
}

void TForm1::setzePrivatHinweis(const QString& hinweis) {
    aktion(QStringLiteral("PrivatesLektionsverzeichnis"))->setToolTip(hinweis);
}
