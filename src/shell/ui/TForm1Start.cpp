// Start-up, settings and shutdown of the main window.
#include "lessons/TAnredeText.h"
#include "lessons/TAnsiCodec.h"
#include "shell/TEinstellungen.h"
#include "shell/TFensterPlatzierung.h"
#include "shell/TNewIniFile.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TFormPlacement.h"
#include "shell/ui/THilfeFenster.h"
#include "shell/ui/TSchriftUmwandlung.h"
#include "shell/ui/TTippsFenster.h"
#include "tiles/TTastenbelegung.h"
#include "tiles/ui/TFadenkreuz.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

const TAnredeText kZeichenfeldHinweis = {
    "Wählen Sie mit der Maus das nächste benötigte Zeichen der Lösung.",
    "Wähle mit der Maus das nächste benötigte Zeichen der Lösung."};
const TAnredeText kBeantworten = {"Bitte beantworten Sie die gestellten Aufgaben.",
                                  "Bitte beantworte die gestellten Aufgaben."};
const TAnredeText kNamensfrage = {"Bitte geben Sie hier Ihren Namen ein!",
                                  "Bitte gib hier deinen Namen ein!"};
const TAnredeText kBeenden = {"Wollen Sie DRILLA wirklich beenden?",
                              "Willst Du DRILLA wirklich beenden?"};
const TAnredeText kNameUngueltig = {
    "Der Name enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte verwenden Sie "
    "Buchstaben, Ziffern und gebräuchliche Satzzeichen.",
    "Der Name enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte verwende Buchstaben, "
    "Ziffern und gebräuchliche Satzzeichen."};
const char* const kSpeicherFehler =
    "Die Daten können nicht gespeichert werden!\r\nEventuell ist der Datenträger "
    "schreibgeschützt.";
const char* const kHomepage = "https://www.morvane.de/";

QString hilfeDatei(const QString& programmVerzeichnis) {
    return programmVerzeichnis + QStringLiteral("hilfe/index.html");
}

} // namespace

void TForm1::FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                        const QStringList& shellOrdner, const QString& ausweichVerzeichnis) {
    show();
    m_trainer.AdminModusAktiv = false;
    m_verzeichnisse = TVerzeichnisse::ermitteln(programmVerzeichnis, netzwerkmodus, shellOrdner,
                                                ausweichVerzeichnis);
    const TVerzeichnisse& v = m_verzeichnisse;
    if (!v.Ausweichhinweis.isEmpty())
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Das persönliche Datenverzeichnis konnte nicht angelegt werden.\r\n"
                           "DRILLA speichert die Daten deshalb in %1")
                .arg(v.Ausweichhinweis));
    m_trainer.ProgrammVerzeichnis = v.Programm;
    m_trainer.DatenVerzeichnis = v.Daten;
    m_trainer.LektionsVerzeichnis = v.Lektion;
    m_trainer.VersionsZusatz = v.VersionsZusatz;
    setWindowTitle(QStringLiteral("DRILLA, der Lerntrainer ") + v.VersionsZusatz);
    setzeZahlDerAufgaben(QStringLiteral("    "));
    aktion(QStringLiteral("PrivatesLektionsverzeichnis"))->setToolTip(v.Lektion);
    aktion(QStringLiteral("NetzwerkLektionsPfad"))
        ->setToolTip(v.Programm + QStringLiteral("Lektion/"));
    m_trainer.protokollLaden();
    const QString tipps = v.Programm + QStringLiteral("drilla3.tip");
    m_tippsDatei = QFileInfo::exists(tipps) ? tipps : QString();
    if (const auto lage =
            TFensterPlatzierung::Lesen(v.Daten + QStringLiteral("formpos.ini"), logicalDpiY()))
        TFormPlacement::Anwenden(*this, *lage);
    ZeichenfelderVorbereiten();
    const QStringList tasten = TTastenbelegung::TastenLaden(v.Daten + QStringLiteral("tasten.txt"));
    for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
        m_zeichenfelder[n - 1]->setzeText(tasten.value(n - TTastenbelegung::kErste));
    EinstellungenLaden(v.Daten + QStringLiteral("drilla3.ini"));
    TippsBeimStart();
    AntwortEdit->show();
    namenErfragen();
    BenutzerNameLabel->setText(m_trainer.BenutzerName);
}

void TForm1::ZeichenfelderVorbereiten() {
    for (TZeichenfeld* feld : m_zeichenfelder)
        feld->setCursor(TFadenkreuz::cursor());
    setzeZeichenfeldHinweise(kZeichenfeldHinweis.text(m_trainer.Optionen.AnredeIndex()));
    AlphabetAufsteigend();
}

void TForm1::namenErfragen() {
    const int anrede = m_trainer.Optionen.AnredeIndex();
    QString name = m_trainer.BenutzerName;
    // The name goes into the settings and the log, which store Windows-1252 only.
    while (m_plattform.meldungen.texteingabe(QStringLiteral("Benutzerverwaltung"),
                                             kNamensfrage.text(anrede), name)) {
        if (TAnsiCodec::darstellbar(name)) {
            m_trainer.BenutzerName = name;
            return;
        }
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      kNameUngueltig.text(anrede));
    }
}

void TForm1::EinstellungenLaden(const QString& pfad) {
    const TEinstellungen e = TEinstellungen::laden(pfad, m_trainer.DatenVerzeichnis);
    TOptionen& o = m_trainer.Optionen;
    MenuSchriftSetzen(e.MenuSchrift);
    FeldSchriftSetzen(e.FeldSchrift);
    o.Ton = e.Optionen.Ton;
    o.PopupHilfe = e.Optionen.PopupHilfe;
    o.AnredeDu = e.Optionen.AnredeDu;
    setzeZeichenfeldHinweise(kZeichenfeldHinweis.text(o.AnredeIndex()));
    setzeInfoText(kBeantworten.text(o.AnredeIndex()));
    m_trainer.Lektion.LetzterPfad = e.LetzteLektion;
    m_trainer.BenutzerName = e.Benutzer;
    o.FelderDrehen = e.Optionen.FelderDrehen;
    m_trainer.LektionsVerzeichnis = e.LektionsVerzeichnis;
    m_trainer.StrHolderHistory = e.Historie;
    m_trainer.HistorieBeschriften();
    o.SofortPruefen = e.Optionen.SofortPruefen;
    o.Lesemodus = e.Optionen.Lesemodus;
    m_trainer.LesemodusUmschalten();
    o.OhneFarbeDrucken = e.Optionen.OhneFarbeDrucken;
    optionenAnzeigen();
}

void TForm1::MenuSchriftSetzen(const TSchriftDaten& schrift) {
    const QFont f = TSchriftUmwandlung::schrift(schrift);
    const QString farbe = TSchriftUmwandlung::farbe(schrift.Farbe).name();
    for (QMenu* menu :
         {LektionenPopup, ArbeitsblattPopup, FehlerPopUp, HilfePopup, EinstellungPopupMenu})
        menu->setFont(f);
    for (QToolButton* knopf : m_knoepfe) {
        knopf->setFont(f);
        knopf->setStyleSheet(QStringLiteral("QToolButton { color: %1; } QToolButton:hover { "
                                            "color: navy; }")
                                 .arg(farbe));
    }
}

void TForm1::FeldSchriftSetzen(const TSchriftDaten& schrift) {
    const QFont f = TSchriftUmwandlung::schrift(schrift);
    const QColor farbe = TSchriftUmwandlung::farbe(schrift.Farbe);
    QList<QWidget*> felder = {FrageLabel, AntwortEdit, Vorschlag1label, Vorschlag2label};
    for (TZeichenfeld* feld : m_zeichenfelder)
        felder.append(feld);
    for (QWidget* w : felder) {
        w->setFont(f);
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, farbe);
        p.setColor(QPalette::Text, farbe);
        w->setPalette(p);
    }
}

void TForm1::TippsBeimStart() {
    if (m_tippsDatei.isEmpty())
        return;
    if (TTippsDatei(m_tippsDatei).ZeigenBeimStart())
        tippsZeigen();
}

void TForm1::tippsZeigen() {
    TTippsDatei datei(m_tippsDatei);
    TTippsFenster fenster(datei, m_plattform.meldungen,
                          QStringLiteral("DRILLA, der Lerntrainer ") + m_trainer.VersionsZusatz,
                          this);
    m_dialoge.ausfuehren(fenster);
}

void TForm1::TippsTricks1Click() {
    tippsZeigen();
}

void TForm1::Index1Click() {
    const QString datei = hilfeDatei(m_verzeichnisse.Programm);
    if (!QFileInfo::exists(datei)) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Warnung, QStringLiteral("Warnung"),
            QStringLiteral("Die Hilfedatei wurde nicht gefunden!\r\nBitte setzten Sie sich mit "
                           "MORVANE in Verbindung."));
        return;
    }
    if (!m_hilfe)
        m_hilfe = new THilfeFenster(datei, this);
    m_hilfe->show();
    m_hilfe->raise();
    m_hilfe->activateWindow();
}

void TForm1::Homepage1Click() {
    m_plattform.shell.adresseOeffnen(QString::fromLatin1(kHomepage));
}

QStringList TForm1::historienTitel() const {
    QStringList titel;
    for (QAction* a : m_historie)
        titel.append(a->data().toString());
    return titel;
}

QStringList TForm1::sonderzeichen() const {
    QStringList texte;
    for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
        texte.append(m_zeichenfelder[n - 1]->text());
    return texte;
}

void TForm1::speicherFehler() {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                  QString::fromUtf8(kSpeicherFehler));
}

bool TForm1::FormCloseQuery() {
    if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, QStringLiteral("Bestätigung"),
                                     kBeenden.text(m_trainer.Optionen.AnredeIndex())))
        return false;
    const QString lage = m_verzeichnisse.Daten + QStringLiteral("formpos.ini");
    if (!TFensterPlatzierung::Schreiben(lage, TFormPlacement::Erfassen(*this)))
        speicherFehler();
    return true;
}

void TForm1::FormClose() {
    if (m_hilfe)
        m_hilfe->close();
    // The learner's results go to the disk even when the log was never shown.
    if (!m_trainer.ProtokollSichern())
        speicherFehler();
    const QString daten = m_verzeichnisse.Daten;
    const QString einstellungen = daten + QStringLiteral("drilla3.ini");
    if (!TEinstellungen::speichern(einstellungen, m_trainer.Optionen, m_trainer.Lektion.LetzterPfad,
                                   m_trainer.BenutzerName, historienTitel())) {
        speicherFehler();
        TNewIniFile::IniDateiSchreiben(einstellungen);
    }
    const QString tasten = daten + QStringLiteral("tasten.txt");
    if (!TTastenbelegung::TastenSpeichern(tasten, sonderzeichen())) {
        speicherFehler();
        TNewIniFile::IniDateiSchreiben(tasten);
    }
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (m_geschlossen) {
        ereignis->accept();
        return;
    }
    if (!FormCloseQuery()) {
        ereignis->ignore();
        return;
    }
    m_geschlossen = true;
    FormClose();
    ereignis->accept();
}
