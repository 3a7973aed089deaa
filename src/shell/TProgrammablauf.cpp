#include "shell/TProgrammablauf.h"

#include "lessons/TAnredeText.h"
#include "lessons/TAnsiCodec.h"
#include "lessons/TLernTrainer.h"
#include "shell/IProgrammFenster.h"
#include "shell/TEinstellungen.h"
#include "shell/TFensterPlatzierung.h"
#include "shell/TLaufDaten.h"
#include "shell/TNewIniFile.h"
#include "shell/TOptionenModell.h"
#include "shell/TTexte.h"
#include "shell/TTippsDatei.h"
#include "tiles/TTastenbelegung.h"

namespace {

const TAnredeText kNamensfrage = {"Bitte geben Sie hier Ihren Namen ein!",
                                  "Bitte gib hier deinen Namen ein!"};
const TAnredeText kAdminFrage = {"Wollen Sie den Administrator-Modus wirklich aktivieren?",
                                 "Willst Du den Administrator-Modus wirklich aktivieren?"};
const TAnredeText kBeenden = {"Wollen Sie DRILLA wirklich beenden?",
                              "Willst Du DRILLA wirklich beenden?"};
const TAnredeText kNameUngueltig = {
    "Der Name enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte verwenden Sie "
    "Buchstaben, Ziffern und gebräuchliche Satzzeichen.",
    "Der Name enthält Zeichen, die DRILLA nicht speichern kann.\r\nBitte verwende Buchstaben, "
    "Ziffern und gebräuchliche Satzzeichen."};

} // namespace

TProgrammablauf::TProgrammablauf(IProgrammFenster& fenster, ITrainerAnsicht& seite,
                                 TLernTrainer& trainer, TPlattform plattform, TLaufDaten& lauf,
                                 TOptionenModell& optionen)
    : m_fenster(fenster), m_seite(seite), m_trainer(trainer), m_plattform(plattform), m_lauf(lauf),
      m_optionen(optionen) {}

void TProgrammablauf::FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                                 const QStringList& shellOrdner,
                                 const QString& ausweichVerzeichnis) {
    m_fenster.fensterZeigen();
    m_lauf.AdminModusAktiv = false;
    m_lauf.Verzeichnisse = TVerzeichnisse::ermitteln(programmVerzeichnis, netzwerkmodus,
                                                     shellOrdner, ausweichVerzeichnis);
    const TVerzeichnisse& v = m_lauf.Verzeichnisse;
    if (!v.Ausweichhinweis.isEmpty())
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Das persönliche Datenverzeichnis konnte nicht angelegt werden.\r\n"
                           "DRILLA speichert die Daten deshalb in %1")
                .arg(v.Ausweichhinweis));
    m_fenster.setzeTitel(TTexte::fensterTitel(v.VersionsZusatz));
    m_seite.setzeZahlDerAufgaben(QStringLiteral("    "));
    ITrainerMenues& menues = m_trainer.menues();
    menues.setzePrivatHinweis(v.Lektion);
    menues.setzeNetzwerkHinweis(v.Programm + QStringLiteral("Lektion/"));
    m_trainer.protokollLaden();
    m_tipps = TTippsDatei(TTippsDatei::ermitteln(v.Programm, v.Daten, v.Netzwerkmodus));
    if (const auto lage = TFensterPlatzierung::Lesen(v.Daten + QStringLiteral("formpos.ini"),
                                                     m_fenster.bildschirmPpi()))
        m_fenster.platzierungAnwenden(*lage);
    m_fenster.zeichenfelderVorbereiten();
    m_seite.setzeZeichenfeldHinweise(TTexte::kZeichenfeldHinweis.text(m_optionen.AnredeIndex()));
    m_fenster.setzeSonderzeichen(
        TTastenbelegung::TastenLaden(v.Daten + QStringLiteral("tasten.txt")));
    EinstellungenLaden(v.Daten + QStringLiteral("drilla3.ini"));
    TippsBeimStart();
    m_fenster.antwortfeldZeigen();
    namenErfragen();
    m_fenster.setzeBenutzerName(m_lauf.BenutzerName);
}

void TProgrammablauf::namenErfragen() {
    const int anrede = m_optionen.AnredeIndex();
    QString name = m_lauf.BenutzerName;
    // The name goes into the settings and the log, which store Windows-1252 only.
    while (m_plattform.meldungen.texteingabe(QStringLiteral("Benutzerverwaltung"),
                                             kNamensfrage.text(anrede), name)) {
        if (TAnsiCodec::darstellbar(name)) {
            m_lauf.BenutzerName = name;
            return;
        }
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      kNameUngueltig.text(anrede));
    }
}

void TProgrammablauf::EinstellungenLaden(const QString& pfad) {
    const TEinstellungen e = TEinstellungen::laden(pfad, m_lauf.Verzeichnisse.Daten);
    m_fenster.setzeMenuSchrift(e.MenuSchrift);
    m_fenster.setzeFeldSchrift(e.FeldSchrift);
    // Vertauschen is never stored: it keeps its value of this run.
    TOptionen o = e.Optionen;
    o.Vertauschen = m_optionen.werte().Vertauschen;
    const int anrede = o.AnredeIndex();
    m_seite.setzeZeichenfeldHinweise(TTexte::kZeichenfeldHinweis.text(anrede));
    m_seite.setzeInfoText(TTexte::kBeantworten.text(anrede));
    m_trainer.Lektion.LetzterPfad = e.LetzteLektion;
    m_lauf.BenutzerName = e.Benutzer;
    m_lauf.Verzeichnisse.Lektion = e.LektionsVerzeichnis;
    m_trainer.StrHolderHistory = e.Historie;
    m_trainer.HistorieBeschriften();
    m_optionen.uebernehmen(o);
    m_trainer.LesemodusUmschalten();
}

void TProgrammablauf::AdministratorModusClick() {
    if (m_lauf.AdminModusAktiv)
        return;
    if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, QStringLiteral("Bestätigung"),
                                     kAdminFrage.text(m_optionen.AnredeIndex())))
        return;
    // The teacher's file lies beside the program, also in network mode.
    EinstellungenLaden(m_lauf.Verzeichnisse.Programm + QStringLiteral("admin.ini"));
    m_fenster.sperren(TSperre::Editor);
    m_fenster.sperren(TSperre::Einstellungen);
    m_fenster.sperren(TSperre::Drucken);
    m_lauf.AdminModusAktiv = true;
    m_fenster.setzeTitel(TTexte::fensterTitel(m_lauf.Verzeichnisse.VersionsZusatz) +
                         QStringLiteral(" Administrator-Modus"));
    m_fenster.sperren(TSperre::Lesemodus);
    m_fenster.setzeSonderzeichen(TTastenbelegung::TastenLaden(m_lauf.Verzeichnisse.Daten +
                                                              QStringLiteral("admintasten.txt")));
}

TProgrammablauf::TBeendenPlan TProgrammablauf::beendenPlan() const {
    // Administrator mode leaves the user's settings and key map as they were; the learners'
    // results in the evaluation log are kept in either mode.
    TBeendenPlan plan;
    if (m_lauf.AdminModusAktiv) {
        plan.Einstellungen = false;
        plan.Tasten = false;
    }
    return plan;
}

void TProgrammablauf::speicherFehler() {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                  QString::fromUtf8(TTexte::kSpeicherFehler));
}

bool TProgrammablauf::FormCloseQuery() {
    if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, QStringLiteral("Bestätigung"),
                                     kBeenden.text(m_optionen.AnredeIndex())))
        return false;
    if (beendenPlan().Platzierung) {
        const QString lage = m_lauf.Verzeichnisse.Daten + QStringLiteral("formpos.ini");
        if (!TFensterPlatzierung::Schreiben(lage, m_fenster.platzierungErfassen()))
            speicherFehler();
        m_trainer.sicherungenMelden();
    }
    return true;
}

void TProgrammablauf::FormClose() {
    m_fenster.hilfeSchliessen();
    if (m_lauf.AdminModusAktiv)
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Der Administrator-Modus wird nun beendet.\r\nBeim nächsten Start "
                           "werden die Benutzereinstellungen wieder übernommen."));
    const TBeendenPlan plan = beendenPlan();
    // The learner's results go to the disk even when the log was never shown.
    if (plan.Protokoll && !m_trainer.ProtokollSichern())
        speicherFehler();
    const QString daten = m_lauf.Verzeichnisse.Daten;
    if (plan.Einstellungen) {
        const QString einstellungen = daten + QStringLiteral("drilla3.ini");
        if (!TEinstellungen::speichern(einstellungen, m_optionen.werte(),
                                       m_trainer.Lektion.LetzterPfad, m_lauf.BenutzerName,
                                       m_fenster.historienTitel())) {
            speicherFehler();
            TNewIniFile::IniDateiSchreiben(einstellungen);
        }
    }
    if (plan.Tasten) {
        const QString tasten = daten + QStringLiteral("tasten.txt");
        if (!TTastenbelegung::TastenSpeichern(tasten, m_fenster.sonderzeichen())) {
            speicherFehler();
            TNewIniFile::IniDateiSchreiben(tasten);
        }
    }
    m_trainer.sicherungenMelden();
}

void TProgrammablauf::TippsBeimStart() {
    // The one reading of the tips file serves the start-up check and the window.
    if (m_tipps.ZeigenBeimStart())
        m_fenster.tippsZeigen(m_tipps);
}

QString TProgrammablauf::hilfeDatei() const {
    return m_lauf.Verzeichnisse.Programm + QStringLiteral("hilfe/index.html");
}
