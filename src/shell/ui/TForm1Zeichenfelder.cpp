// The character tiles of the main window: clicks, special characters, turning, sorting and the
// grid that follows the window size.
#include "lessons/TAnredeText.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TForm1.h"
#include "tiles/TAlphabet.h"
#include "tiles/TTastenbelegung.h"
#include "tiles/TZeichenfeldRaster.h"
#include "tiles/ui/TSonderform.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

const TAnredeText kNurEinZeichen = {"Sie können nur ein einzelnes Zeichen auswählen!",
                                    "Du kannst nun ein einzelnes Zeichen auswählen!"};
const TAnredeText kSonderzeichenErklaerung = {
    "Wenn Sie diesen Dialog mit OK bestätigen, werden die\r\nvon Ihnen frei belegbaren "
    "Tastenfelder kurz rot aufleuchten.\r\nMit Rechtsklick auf dieser Tastenfelder können Sie "
    "die verfügbaren\r\nSonderzeichen auswählen.",
    "Wenn Du diesen Dialog mit OK bestätigst, werden die\r\nvon dir frei belegbaren Tastenfelder "
    "kurz rot aufleuchten.\r\nMit Rechtsklick auf dieser Tastenfelder kannst Du die "
    "verfügbaren\r\nSonderzeichen auswählen."};
const QString kAbbruch = QStringLiteral("999");

} // namespace

int TForm1::antwortEinfuegePosition() const {
    return AntwortEdit->hasSelectedText() ? AntwortEdit->selectionStart()
                                          : AntwortEdit->cursorPosition();
}

void TForm1::setzeAntwortTextUndCursor(const QString& text, int cursor) {
    AntwortEdit->setText(text);
    AntwortEdit->setCursorPosition(cursor);
}

void TForm1::RzLabel1Click(TZeichenfeld* feld) {
    m_trainer.RzLabel1Click(feld->text());
}

void TForm1::RzLabel79MouseDown(TZeichenfeld* feld) {
    m_gewaehltesFeld = feld;
    m_pickerPosition = QPoint(feld->x(), feld->y() - 150);
}

void TForm1::Sonderzeichen1Click() {
    if (m_trainer.AdminModusAktiv) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Im Administrator-Modus werden die Sonderzeichen zentral vorgegeben."));
        return;
    }
    if (!m_gewaehltesFeld)
        return;
    Sonderform->FormShow(m_pickerPosition, m_zeichenfelder.first()->font());
    m_dialoge.ausfuehren(*Sonderform);
    const QString zeichen = Sonderform->GewaehltesZeichen();
    if (zeichen == kAbbruch)
        return;
    if (zeichen.size() > 1) {
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      kNurEinZeichen.text(m_trainer.Optionen.AnredeIndex()));
        return;
    }
    m_gewaehltesFeld->setzeText(zeichen);
}

void TForm1::TastenmitSonderzeichenbelegen1Click() {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                  kSonderzeichenErklaerung.text(m_trainer.Optionen.AnredeIndex()));
    const QList<TZeichenfeld*> belegbar = m_zeichenfelder.mid(TTastenbelegung::kErste - 1);
    for (TZeichenfeld* feld : belegbar)
        feld->setzeHintergrund(QColor(255, 0, 0));
    m_plattform.warten.warten(1000);
    for (TZeichenfeld* feld : belegbar)
        feld->setzeHintergrund(Qt::white);
}

void TForm1::StatusaendernClick(int tag) {
    if (m_editorOffen) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Diese Funktion steht Ihnen im Editor nicht zur Verfügung!"));
        return;
    }
    switch (tag) {
    case 1:
        zeichenfelderDrehen(0);
        break;
    case 2:
        zeichenfelderDrehen(360);
        break;
    case 3:
        AlphabetAufsteigend();
        break;
    case 4:
        AlphabetAbsteigend();
        break;
    default:
        break;
    }
}

void TForm1::AlphabetAufsteigend() {
    const QStringList texte = TAlphabet::aufsteigend();
    for (int i = 0; i < texte.size(); ++i)
        m_zeichenfelder[i]->setzeText(texte.at(i));
}

void TForm1::AlphabetAbsteigend() {
    const QStringList texte = TAlphabet::absteigend();
    for (int i = 0; i < texte.size(); ++i)
        m_zeichenfelder[i]->setzeText(texte.at(i));
}

void TForm1::zeichenfelderDrehen(int bereich) {
    for (TZeichenfeld* feld : m_zeichenfelder)
        feld->setzeWinkel(m_plattform.zufall.ziehen(bereich));
}

void TForm1::FormResize() {
    TZeichenfeldRaster::TEingabe eingabe;
    eingabe.seitenBreite = FormPanel1->width();
    eingabe.seitenHoehe = FormPanel1->height();
    eingabe.statusLeistenHoehe = RzStatusBar2->height();
    eingabe.linksGroupBox1 = GroupBox1->x();
    eingabe.linksGroupBox2 = GroupBox2->x();
    eingabe.linksAntwortEdit = AntwortEdit->x();
    eingabe.feld1 = m_zeichenfelder.first()->pos();
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
    for (int i = 0; i < m_zeichenfelder.size(); ++i)
        m_zeichenfelder[i]->move(raster.felder[i]);
}
