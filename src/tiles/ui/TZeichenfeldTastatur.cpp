#include "tiles/ui/TZeichenfeldTastatur.h"

#include "lessons/TAnredeText.h"
#include "shell/TLaufDaten.h"
#include "shell/TOptionenModell.h"
#include "shell/TTexte.h"
#include "shell/ui/IModalDialoge.h"
#include "tiles/TAlphabet.h"
#include "tiles/TTastenbelegung.h"
#include "tiles/ui/TFadenkreuz.h"
#include "tiles/ui/TSonderform.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QMenu>
#include <QRegion>

namespace {

const TAnredeText kNurEinZeichen = {"Sie können nur ein einzelnes Zeichen auswählen!",
                                    "Du kannst nun ein einzelnes Zeichen auswählen!"};
const TAnredeText kNichtSpeicherbar = {
    "Dieses Zeichen kann DRILLA nicht auf einer Taste speichern!\r\nBitte wählen Sie ein "
    "anderes Zeichen.",
    "Dieses Zeichen kann DRILLA nicht auf einer Taste speichern!\r\nBitte wähle ein anderes "
    "Zeichen."};
const TAnredeText kSonderzeichenErklaerung = {
    "Wenn Sie diesen Dialog mit OK bestätigen, werden die\r\nvon Ihnen frei belegbaren "
    "Tastenfelder kurz rot aufleuchten.\r\nMit Rechtsklick auf dieser Tastenfelder können Sie "
    "die verfügbaren\r\nSonderzeichen auswählen.",
    "Wenn Du diesen Dialog mit OK bestätigst, werden die\r\nvon dir frei belegbaren Tastenfelder "
    "kurz rot aufleuchten.\r\nMit Rechtsklick auf dieser Tastenfelder kannst Du die "
    "verfügbaren\r\nSonderzeichen auswählen."};
const QString kAbbruch = QStringLiteral("999");

} // namespace

TZeichenfeldTastatur::TZeichenfeldTastatur(TPlattform plattform, IModalDialoge& dialoge,
                                           const TLaufDaten& lauf, const TOptionenModell& optionen,
                                           QWidget* seite)
    : QWidget(seite), m_plattform(plattform), m_dialoge(dialoge), m_lauf(lauf),
      m_optionen(optionen) {
    setObjectName(QStringLiteral("ZeichenfeldTastatur"));
    // The tiles take font and colours from here: one change instead of 91.
    QFont schrift(QStringLiteral("Comic Sans MS"));
    schrift.setPixelSize(19);
    setFont(schrift);
    const QStringList buchstaben = TAlphabet::aufsteigend();
    for (int n = 1; n <= TZeichenfeldRaster::kFelder; ++n) {
        auto* feld = new TZeichenfeld(n, this);
        if (n <= buchstaben.size())
            feld->setzeText(buchstaben.at(n - 1));
        else if (n < TTastenbelegung::kErste)
            feld->setzeText(TAlphabet::festeBeschriftung(n));
        else
            feld->setzeText(QStringLiteral("?")); // no key map assigned yet
        feld->setToolTip(TTexte::kZeichenfeldHinweis.text(0));
        connect(feld, &TZeichenfeld::geklickt, this,
                [this](TZeichenfeld* f) { emit geklickt(f->text()); });
        if (n >= TTastenbelegung::kErste) {
            connect(feld, &TZeichenfeld::gedrueckt, this,
                    [this](TZeichenfeld* f) { RzLabel79MouseDown(f); });
            connect(
                feld, &TZeichenfeld::kontextmenue, this,
                [this](TZeichenfeld*, const QPoint& ort) { PopupMenuSonderzeichen->popup(ort); });
        }
        m_felder.append(feld);
    }
    PopupMenuSonderzeichen = new QMenu(this);
    PopupMenuSonderzeichen->setObjectName(QStringLiteral("PopupMenuSonderzeichen"));
    QAction* eintrag = PopupMenuSonderzeichen->addAction(QStringLiteral("Sonderzeichen"));
    eintrag->setObjectName(QStringLiteral("Sonderzeichen1"));
    eintrag->setToolTip(QStringLiteral("Sonderzeichen"));
    connect(eintrag, &QAction::triggered, this, [this] { Sonderzeichen1Click(); });
    TZeichenfeldRaster::TEingabe entwurf;
    anordnen(TZeichenfeldRaster::berechnen(entwurf).felder);
}

void TZeichenfeldTastatur::vorbereiten() {
    for (TZeichenfeld* feld : m_felder)
        feld->setCursor(TFadenkreuz::cursor());
    aufsteigend();
}

void TZeichenfeldTastatur::setzeBeschriftungen(const QStringList& texte) {
    for (int i = 0; i < texte.size() && i < m_felder.size(); ++i)
        m_felder[i]->setzeText(texte.at(i));
}

void TZeichenfeldTastatur::aufsteigend() {
    setzeBeschriftungen(TAlphabet::aufsteigend());
}

void TZeichenfeldTastatur::absteigend() {
    setzeBeschriftungen(TAlphabet::absteigend());
}

void TZeichenfeldTastatur::drehen(int bereich) {
    for (TZeichenfeld* feld : m_felder)
        feld->setzeWinkel(m_plattform.zufall.ziehen(bereich));
}

void TZeichenfeldTastatur::setzeHinweis(const QString& hinweis) {
    for (TZeichenfeld* feld : m_felder)
        feld->setToolTip(hinweis);
}

void TZeichenfeldTastatur::setzeSchrift(const QFont& schrift, const QColor& farbe) {
    setFont(schrift);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::Text, farbe);
    setPalette(p);
}

QStringList TZeichenfeldTastatur::sonderzeichen() const {
    QStringList texte;
    for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
        texte.append(feld(n)->text());
    return texte;
}

void TZeichenfeldTastatur::setzeSonderzeichen(const QStringList& beschriftungen) {
    for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
        feld(n)->setzeText(beschriftungen.value(n - TTastenbelegung::kErste));
}

void TZeichenfeldTastatur::anordnen(const std::array<QPoint, TZeichenfeldRaster::kFelder>& orte) {
    if (QWidget* seite = parentWidget())
        setGeometry(seite->rect());
    for (int i = 0; i < m_felder.size(); ++i)
        m_felder[i]->move(orte[static_cast<std::size_t>(i)]);
    maskeSetzen();
}

void TZeichenfeldTastatur::maskeSetzen() {
    QRegion flaeche;
    for (TZeichenfeld* feld : m_felder)
        flaeche += feld->geometry();
    setMask(flaeche);
}

void TZeichenfeldTastatur::RzLabel79MouseDown(TZeichenfeld* feld) {
    m_gewaehltesFeld = feld;
    m_pickerPosition = QPoint(feld->x(), feld->y() - 150);
}

void TZeichenfeldTastatur::Sonderzeichen1Click() {
    if (m_lauf.AdminModusAktiv) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Im Administrator-Modus werden die Sonderzeichen zentral vorgegeben."));
        return;
    }
    if (!m_gewaehltesFeld)
        return;
    // Made on first use and kept for the run; most runs never open it.
    if (!Sonderform)
        Sonderform = new TSonderform(this);
    Sonderform->FormShow(m_pickerPosition, m_felder.first()->font());
    m_dialoge.ausfuehren(*Sonderform);
    const QString zeichen = Sonderform->GewaehltesZeichen();
    if (zeichen == kAbbruch)
        return;
    const int anrede = m_optionen.AnredeIndex();
    if (zeichen.size() > 1) {
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      kNurEinZeichen.text(anrede));
        return;
    }
    // The key map must give back what it keeps, or one caption would spoil the others.
    if (!TTastenbelegung::zeichenBelegbar(zeichen)) {
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      kNichtSpeicherbar.text(anrede));
        return;
    }
    m_gewaehltesFeld->setzeText(zeichen);
}

void TZeichenfeldTastatur::TastenmitSonderzeichenbelegen1Click() {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                  kSonderzeichenErklaerung.text(m_optionen.AnredeIndex()));
    const QList<TZeichenfeld*> belegbar = m_felder.mid(TTastenbelegung::kErste - 1);
    for (TZeichenfeld* feld : belegbar)
        feld->setzeHintergrund(QColor(255, 0, 0));
    m_plattform.warten.warten(1000);
    for (TZeichenfeld* feld : belegbar)
        feld->setzeHintergrund(Qt::white);
}
