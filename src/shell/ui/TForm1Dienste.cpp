// What the trainer, the start-up and the shutdown ask of the main window: captions, hints,
// placement, fonts, tiles and the locks of administrator mode.
#include "shell/ui/TForm1.h"

#include "lessons/ui/TTrainerSeite.h"
#include "shell/TTexte.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TFormPlacement.h"
#include "shell/ui/THilfeFenster.h"
#include "shell/ui/TSchriftUmwandlung.h"
#include "shell/ui/TTippsFenster.h"
#include "shell/ui/TWerkzeugKnopf.h"
#include "tiles/ui/TZeichenfeldTastatur.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QWindow>
#include <utility>

void TForm1::setzeHistorienTitel(int nummer, const QString& titel) {
    QAction* eintrag = m_historie.value(nummer - 1);
    if (!eintrag)
        return;
    // The caption keeps the path as it is; "&" in a path must not become an access key.
    eintrag->setData(titel);
    eintrag->setText(QString(titel).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void TForm1::setzeNetzwerkHinweis(const QString& hinweis) {
    aktion(QStringLiteral("NetzwerkLektionsPfad"))->setToolTip(hinweis);
}

void TForm1::setzePrivatHinweis(const QString& hinweis) {
    aktion(QStringLiteral("PrivatesLektionsverzeichnis"))->setToolTip(hinweis);
}

QStringList TForm1::historienTitel() const {
    QStringList titel;
    for (QAction* a : m_historie)
        titel.append(a->data().toString());
    return titel;
}

void TForm1::fensterZeigen() {
    show();
}

void TForm1::setzeTitel(const QString& titel) {
    setWindowTitle(titel);
}

int TForm1::bildschirmPpi() const {
    return logicalDpiY();
}

void TForm1::platzierungAnwenden(const TFensterPlatzierung& lage) {
    TFormPlacement::Anwenden(*this, lage);
}

TFensterPlatzierung TForm1::platzierungErfassen() const {
    return TFormPlacement::Erfassen(*this);
}

void TForm1::setzeMenuSchrift(const TSchriftDaten& schrift) {
    const QFont f = TSchriftUmwandlung::schrift(schrift);
    const QColor farbe = TSchriftUmwandlung::farbe(schrift.Farbe);
    m_menuFarbe = farbe;
    for (QMenu* menu : m_menues) {
        menu->setFont(f);
        // A menu never shown takes the colour when it opens.
        if (!menu->styleSheet().isEmpty())
            menuBlattSetzen(menu);
    }
    for (QToolButton* knopf : m_knoepfe) {
        knopf->setFont(f);
        static_cast<TWerkzeugKnopf*>(knopf)->setzeTextFarbe(farbe);
    }
}

void TForm1::setzeFeldSchrift(const TSchriftDaten& schrift) {
    m_seite->setzeFeldSchrift(TSchriftUmwandlung::schrift(schrift),
                              TSchriftUmwandlung::farbe(schrift.Farbe));
}

void TForm1::zeichenfelderVorbereiten() {
    m_seite->tastatur().vorbereiten();
}

QStringList TForm1::sonderzeichen() const {
    return m_seite->tastatur().sonderzeichen();
}

void TForm1::setzeSonderzeichen(const QStringList& beschriftungen) {
    m_seite->tastatur().setzeSonderzeichen(beschriftungen);
}

void TForm1::setzeBenutzerName(const QString& name) {
    m_seite->setzeBenutzerName(name);
}

void TForm1::antwortfeldZeigen() {
    m_seite->antwortfeldZeigen();
}

void TForm1::tippsZeigen(TTippsDatei& tipps) {
    TTippsFenster fenster(tipps, m_plattform.meldungen,
                          TTexte::fensterTitel(m_lauf.Verzeichnisse.VersionsZusatz), this);
    m_dialoge.ausfuehren(fenster);
}

void TForm1::sperren(TSperre was) {
    auto menu = [this](const char* name) {
        for (QAction* a : findChild<QMenu*>(QString::fromLatin1(name))->actions())
            a->setEnabled(false);
    };
    switch (was) {
    case TSperre::Editor:
        aktion(QStringLiteral("GeladeneLektionBearbeiten"))->setEnabled(false);
        break;
    case TSperre::Einstellungen:
        menu("EinstellungPopupMenu");
        break;
    case TSperre::Drucken:
        menu("ArbeitsblattPopup");
        break;
    case TSperre::Lesemodus:
        aktion(QStringLiteral("LesemodusMenu"))->setEnabled(false);
        break;
    }
}

void TForm1::hilfeSchliessen() {
    if (m_hilfe)
        m_hilfe->close();
}
