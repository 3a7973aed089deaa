#include "lessons/TLernTrainer.h"

#include "lessons/TAnredeText.h"
#include "lessons/TAufgabenzeile.h"
#include "lessons/TAuswertung.h"
#include "lessons/TStrHolder.h"

#include "shell/TNewIniFile.h"
#include "shell/TTexte.h"
#include "shell/TVerzeichnisse.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const TAnredeText kBereitsBearbeitet = {
    "Bitte laden Sie eine neue Lektion\r\noder üben Sie nochmals die gleiche Lektion",
    "Bitte lade nun eine neue Lektion\r\noder übe nochmals die gleiche Lektion"};
const TAnredeText kNeueLektion = {"Bitte laden Sie nun eine Lektion.",
                                  "Bitte lade nun eine Lektion."};
const TAnredeText kLesemodusAufgabe = {"Klicken Sie den fehlerfreie Satz mit der Maus einfach an!",
                                       "Klicke den fehlerfreie Satz mit der Maus einfach an!"};

const TAnredeText kNichtGefunden = {
    "Bitte versuchen Sie es mit Hilfe des Menupunktes -Lektion laden-",
    "Bitte versuche es mit Hilfe des Menupunktes -Lektion laden-"};
const TAnredeText kLesemodusBeachten = {
    "Bitte beachten Sie, dass dieser Lesemodus nur dann sinnvoll eingesetzt",
    "Bitte beachte, dass dieser Lesemodus nur dann sinnvoll eingesetzt"};
const char* const kKeineFehler = "Es wurden keine Fehler erkannt.\r\nDer Vorgang wird abgebrochen!";

const QString kLektionsFilter = QStringLiteral("Lektionen  (*.txt)|*.txt");
const QString kHistorienLuecke = QStringLiteral("kein Eintrag");
const QString kHistorienBlanks = QStringLiteral("   ");

} // namespace

TLernTrainer::TLernTrainer(ITrainerAnsicht& ansicht, ITrainerMenues& menues, TPlattform plattform,
                           TLaufDaten& lauf, TOptionenModell& optionen)
    : Lauf(lauf), Optionen(optionen), StrHolderHistory(5, kHistorienLuecke), m_ansicht(ansicht),
      m_menues(menues), m_plattform(plattform) {}

QString TLernTrainer::anwendungsTitel() {
    return TTexte::kurzTitel();
}

void TLernTrainer::information(const QString& text) {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"), text);
}

void TLernTrainer::dateiFehler(const QString& text, const QString& pfad) {
    m_plattform.meldungen.meldung(TMeldungsArt::Fehler, anwendungsTitel(), text.arg(pfad));
}

void TLernTrainer::keineLektion() {
    information(QStringLiteral("Es wurde noch keine Lektion geladen."));
}

void TLernTrainer::KlangSpielen(int nummer) {
    if (Optionen.werte().Ton)
        m_plattform.klang.spielen(nummer);
}

bool TLernTrainer::BereitsBearbeitet() {
    if (!Sitzung.Beendet)
        return false;
    const int anrede = Optionen.AnredeIndex();
    information(QStringLiteral("Die Lektion wurde bereits bearbeitet.\r\n") +
                kBereitsBearbeitet.text(anrede));
    m_ansicht.setzeInfoText(kNeueLektion.text(anrede));
    return true;
}

void TLernTrainer::LektionladenClick() {
    if (Sitzung.PruefungLaeuft)
        return; // the running check owns the current exercise until its flash ends
    TDateiDialog dialog;
    dialog.verzeichnis = Lauf.Verzeichnisse.Lektion;
    dialog.filter = kLektionsFilter;
    dialog.vorgabeName = QStringLiteral("*.txt");
    dialog.standardEndung = QStringLiteral("*.txt");
    const QString pfad = m_plattform.meldungen.dateiOeffnen(dialog);
    if (pfad.isEmpty())
        return;
    Sitzung.Beantwortet = false;
    Lektion.Protokollname = pfad;
    LektionEinlesen(Lektion.Protokollname, true);
}

void TLernTrainer::LektionEinlesen(const QString& pfad, bool inHistorie) {
    Lektion.Pfad = pfad;
    Lektion.LetzterPfad = pfad;
    Sitzung.StrHolderFehler.clear();
    Lektion.StrHolderLektion.clear();
    Lektion.StrHolderLektionRest.clear();
    // The lines of a lesson share one block: the exercise shown last keeps its text in a copy
    // of its own, so the old lesson's block is gone before the new one is read.
    Sitzung.Zeile = QString(Sitzung.Zeile.constData(), Sitzung.Zeile.size());
    m_ansicht.zeigeErfolg(false);
    if (inHistorie)
        historieVerschieben(pfad);
    m_ansicht.setzeLektionsUeberschrift(QFileInfo(pfad).fileName());

    if (!TStrHolder::laden(pfad, Lektion.StrHolderLektion)) {
        dateiFehler(QStringLiteral("Datei %1 kann nicht geöffnet werden"), pfad);
        return;
    }
    m_ansicht.setzeZahlDerAufgaben(QString::number(Lektion.StrHolderLektion.size()) +
                                   QStringLiteral(" Aufgaben"));
    // The remaining lines are a list of their own; the copy shares nothing once changed.
    Lektion.StrHolderLektionRest = Lektion.StrHolderLektion;
    Sitzung.Beendet = false;
    Sitzung.RestUebernommen = false;
    m_ansicht.setzeInfoText(TTexte::kBeantworten.text(Optionen.AnredeIndex()));
    m_ansicht.setzeLektionsHinweis(pfad);
    FehlerResetClick();
    naechsteAufgabe();
}

void TLernTrainer::FehlerResetClick() {
    Sitzung.StrHolderFehler.clear();
    Sitzung.Fehlerzahl = 0;
    m_ansicht.setzeFehlerzahl(0);
    Sitzung.FehlerErfasst = false;
}

void TLernTrainer::historieVerschieben(const QString& pfad) {
    while (StrHolderHistory.size() < 5)
        StrHolderHistory.append(kHistorienLuecke);
    for (int i = 4; i > 0; --i)
        StrHolderHistory[i] = StrHolderHistory[i - 1];
    StrHolderHistory[0] = pfad;
    for (int k = 1; k <= 5; ++k)
        m_menues.setzeHistorienTitel(k, StrHolderHistory[k - 1] + kHistorienBlanks);
}

void TLernTrainer::HistorieBeschriften() {
    while (StrHolderHistory.size() < 5)
        StrHolderHistory.append(kHistorienLuecke);
    for (int k = 1; k <= 5; ++k) {
        const QString& eintrag = StrHolderHistory[k - 1];
        const QFileInfo info(eintrag);
        const bool vorhanden = !eintrag.isEmpty() && info.exists() && info.isFile();
        m_menues.setzeHistorienTitel(k, vorhanden ? eintrag + kHistorienBlanks
                                                  : QStringLiteral("Kein Eintrag"));
    }
}

void TLernTrainer::NaechsteAufgabeBtnClick() {
    if (Sitzung.PruefungLaeuft)
        return; // input during the flash must not change the exercise being checked
    naechsteAufgabe();
}

void TLernTrainer::naechsteAufgabe() {
    if (BereitsBearbeitet())
        return;
    if (!Lektion.LektionGeladen()) {
        keineLektion();
        return;
    }
    QStringList& rest = Lektion.StrHolderLektionRest;
    if (Sitzung.Beantwortet && Sitzung.Index >= 0 && Sitzung.Index < rest.size())
        rest.removeAt(Sitzung.Index);
    KlangSpielen(7);
    m_plattform.zufall.neuSaeen();
    if (rest.isEmpty()) {
        lektionBeenden();
        return;
    }
    AufgabeZeigen(m_plattform.zufall.ziehen(static_cast<int>(rest.size())));
}

void TLernTrainer::AufgabeZeigen(qsizetype index) {
    ++m_vorlage;
    if (Optionen.werte().FelderDrehen)
        m_ansicht.zeichenfelderDrehen(360);
    Sitzung.Beantwortet = false;
    const QStringList& rest = Lektion.StrHolderLektionRest;
    const QString titel = rest.size() == 1
                              ? QStringLiteral(" letzte  Aufgabe ")
                              : QStringLiteral(" noch ") + QString::number(rest.size() - 1) +
                                    QStringLiteral("  Aufgabe(n) ");
    m_ansicht.setzeAufgabenTitel(titel);
    Sitzung.Index = index;
    Sitzung.Zeile = rest.at(index);
    TAufgabenzeile::zerlegen(Sitzung.Zeile, Sitzung.Frage, Sitzung.Antwort);
    m_ansicht.setzeFrage(Sitzung.Frage);
    Sitzung.FehlerErfasst = false;
    m_ansicht.antwortFokusUndLeeren();
    if (Optionen.werte().Vertauschen) {
        std::swap(Sitzung.Frage, Sitzung.Antwort);
        m_ansicht.setzeFrage(Sitzung.Frage);
    }
    m_plattform.zufall.neuSaeen();
    if (m_plattform.zufall.ziehen(2) == 0)
        m_ansicht.setzeVorschlaege(Sitzung.Antwort, Sitzung.Frage);
    else
        m_ansicht.setzeVorschlaege(Sitzung.Frage, Sitzung.Antwort);
}

void TLernTrainer::PruefBtnClick() {
    if (Sitzung.PruefungLaeuft)
        return; // a second Enter during the flash: the first check is still deciding
    pruefen();
}

void TLernTrainer::pruefen() {
    if (BereitsBearbeitet())
        return;
    if (!Lektion.LektionGeladen()) {
        keineLektion();
        return;
    }
    Sitzung.PruefungLaeuft = true;
    // Whatever happens during the flash, the verdict belongs to this exercise.
    const quint64 vorlage = m_vorlage;
    const QString zeile = Sitzung.Zeile;
    const bool richtig = m_ansicht.antwortText() == Sitzung.Antwort;
    if (richtig) {
        AntwortMarkieren(TAntwortFarbe::Gruen, 3);
        if (vorlage == m_vorlage) {
            m_ansicht.antwortAllesMarkieren();
            naechsteAufgabe();
        }
    } else {
        AntwortMarkieren(TAntwortFarbe::Rot, 1);
        if (vorlage == m_vorlage && !Sitzung.FehlerErfasst)
            fehlerErfassen(zeile);
    }
    Sitzung.PruefungLaeuft = false;
    if (m_pruefungsEnde)
        m_pruefungsEnde();
}

void TLernTrainer::AntwortMarkieren(TAntwortFarbe farbe, int klang) {
    m_ansicht.setzeAntwortFarbe(farbe);
    Sitzung.Beantwortet = true;
    KlangSpielen(klang);
    m_plattform.warten.warten(1000);
    m_ansicht.setzeAntwortFarbe(TAntwortFarbe::InfoHintergrund);
}

void TLernTrainer::fehlerErfassen(const QString& zeile) {
    Sitzung.StrHolderFehler.append(zeile);
    ++Sitzung.Fehlerzahl;
    Sitzung.FehlerErfasst = true;
    m_ansicht.setzeFehlerzahl(Sitzung.Fehlerzahl);
}

void TLernTrainer::LoesungAnzeigenImageClick() {
    if (Lauf.AdminModusAktiv) {
        information(QStringLiteral("Im Administrator-Modus wurde diese Funktion deaktiviert."));
        return;
    }
    if (Sitzung.PruefungLaeuft)
        return;
    if (!Lektion.LektionGeladen()) {
        keineLektion();
        return;
    }
    KlangSpielen(4);
    m_ansicht.loesungZeigen(Sitzung.Frage, Sitzung.Antwort, Optionen.werte().Lesemodus);
    m_ansicht.setzeAntwortText(QStringLiteral("Lösung wurde angezeigt!"));
    pruefen();
}

void TLernTrainer::EingabePruefen() {
    if (BereitsBearbeitet())
        return;
    if (!Lektion.LektionGeladen())
        return;
    if (!Optionen.werte().SofortPruefen || Sitzung.PruefungLaeuft)
        return;
    const QString text = m_ansicht.antwortText();
    if (text == QStringView(Sitzung.Antwort).left(text.size())) {
        m_ansicht.setzeAntwortFarbe(TAntwortFarbe::InfoHintergrund);
        return;
    }
    m_ansicht.setzeAntwortFarbe(TAntwortFarbe::Rot);
    if (!Sitzung.FehlerErfasst)
        fehlerErfassen(Sitzung.Zeile);
}

void TLernTrainer::lektionBeenden() {
    const qint64 anzahl = Lektion.StrHolderLektion.size();
    information(TAuswertung::zusammenfassung(anzahl, Sitzung.Fehlerzahl));
    const QString datum =
        TAuswertung::datumText(m_plattform.uhr.jetzt(), m_plattform.uhr.gebietsschema());
    LogStrHolder.append(TAuswertung::abschlussEintrag(Lauf.BenutzerName, datum,
                                                      Lektion.Protokollname, Sitzung.Fehlerzahl));
    Auswerten();
    Sitzung.Beendet = true;
}

void TLernTrainer::Auswerten() {
    m_ansicht.zeigeErfolg(true);
    const qint64 anzahl = Lektion.StrHolderLektion.size();
    m_ansicht.setzeErfolg(anzahl, anzahl - Sitzung.Fehlerzahl);
    const auto& band = TAuswertung::band(TAuswertung::erfolgsquote(anzahl, Sitzung.Fehlerzahl));
    KlangSpielen(band.klang);
    m_ansicht.urteilZeigen(band.text.text(Optionen.AnredeIndex()));
}

QString TLernTrainer::protokollPfad() const {
    return Lauf.Verzeichnisse.Daten + QStringLiteral("auswertung.txt");
}

void TLernTrainer::protokollLaden() {
    LogStrHolder.clear();
    if (QFileInfo::exists(protokollPfad()))
        TStrHolder::laden(protokollPfad(), LogStrHolder);
    m_protokollAufPlatte = LogStrHolder;
}

bool TLernTrainer::ProtokollSichern() {
    if (LogStrHolder == m_protokollAufPlatte)
        return true;
    if (!TStrHolder::speichern(protokollPfad(), LogStrHolder))
        return false;
    m_protokollAufPlatte = LogStrHolder;
    return true;
}

void TLernTrainer::AuswertungClick() {
    const QString pfad = protokollPfad();
    const bool gespeichert = TStrHolder::speichern(pfad, LogStrHolder);
    sicherungenMelden();
    if (!gespeichert) {
        dateiFehler(QStringLiteral("Datei %1 kann nicht erstellt werden"), pfad);
        return;
    }
    m_protokollAufPlatte = LogStrHolder;
    // Without a program for text files nothing would appear; the log is saved all the same.
    if (!m_plattform.shell.textBearbeiten(pfad))
        information(QStringLiteral("Die Auswertung wurde gespeichert in:\r\n%1\r\nEs wurde kein "
                                   "Programm gefunden, das Textdateien anzeigen kann.")
                        .arg(pfad));
}

void TLernTrainer::Auswertungzurcksetzten1Click() {
    if (m_plattform.meldungen.frage(
            TFrageArt::JaNein, QStringLiteral("Bestätigung"),
            QStringLiteral("Soll die Auswertungs wirklich gelöscht werden ?")))
        LogStrHolder.clear();
}

void TLernTrainer::AntwortEditEnter() {
    m_ansicht.setzeAntwortFarbe(TAntwortFarbe::InfoHintergrund);
}

void TLernTrainer::AntwortEditExit() {
    m_ansicht.setzeAntwortFarbe(TAntwortFarbe::Weiss);
}

void TLernTrainer::AntwortEditMouseDown() {
    m_ansicht.setzeAntwortFarbe(TAntwortFarbe::InfoHintergrund);
}

void TLernTrainer::AntwortEditKeyDown(int taste, Qt::KeyboardModifiers modifikatoren) {
    const Qt::KeyboardModifiers relevant =
        modifikatoren &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (relevant == Qt::AltModifier || relevant == Qt::ControlModifier)
        return;
    const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
    if (!enter)
        KlangSpielen(0);
    if (Sitzung.Beendet)
        return;
    if (enter)
        PruefBtnClick();
    else
        m_ansicht.setzeAntwortFarbe(TAntwortFarbe::InfoHintergrund);
}

void TLernTrainer::AntwortEditKeyUp() {
    if (!Sitzung.Beendet)
        EingabePruefen();
}

void TLernTrainer::AntwortbeiderEingabeprfen1Click() {
    Optionen.umschalten(TOption::SofortPruefen);
}

void TLernTrainer::AnredemitDU1Click() {
    Optionen.umschalten(TOption::AnredeDu);
    const int anrede = Optionen.AnredeIndex();
    m_ansicht.setzeZeichenfeldHinweise(TTexte::kZeichenfeldHinweis.text(anrede));
    m_ansicht.setzeInfoText(TTexte::kBeantworten.text(anrede));
    m_ansicht.setzeLesemodusText(kLesemodusAufgabe.text(anrede));
}

void TLernTrainer::LetztegeladeneLektion1Click(const QString& titel) {
    if (Sitzung.PruefungLaeuft)
        return;
    QString pfad = titel;
    while (pfad.endsWith(QLatin1Char(' ')))
        pfad.chop(1);
    if (!QFileInfo(pfad).isFile()) {
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      QStringLiteral("Die Lektion wurde nicht gefunden!\r\n") +
                                          kNichtGefunden.text(Optionen.AnredeIndex()));
        return;
    }
    Sitzung.Beantwortet = false;
    LektionEinlesen(pfad, false);
    Lektion.Protokollname = pfad;
    const QString datum =
        TAuswertung::datumText(m_plattform.uhr.jetzt(), m_plattform.uhr.gebietsschema());
    LogStrHolder.append(TAuswertung::neuGeladenEintrag(Lauf.BenutzerName, datum, pfad));
}

void TLernTrainer::FehlerUebenClick() {
    if (Sitzung.PruefungLaeuft)
        return;
    if (Sitzung.StrHolderFehler.isEmpty()) {
        information(QString::fromUtf8(kKeineFehler));
        return;
    }
    const QString pfad = Lauf.Verzeichnisse.Lektion + QStringLiteral("fehler.txt");
    const bool gespeichert = TStrHolder::speichern(pfad, Sitzung.StrHolderFehler);
    sicherungenMelden();
    if (!gespeichert) {
        dateiFehler(QStringLiteral("Datei %1 kann nicht erstellt werden"), pfad);
        return;
    }
    Sitzung.Beantwortet = false;
    LektionEinlesen(pfad, true);
}

void TLernTrainer::FehlerLektionSpeichernClick() {
    if (Sitzung.StrHolderFehler.isEmpty()) {
        information(QString::fromUtf8(kKeineFehler));
        return;
    }
    TDateiDialog dialog;
    dialog.verzeichnis = Lauf.Verzeichnisse.Lektion;
    dialog.vorgabeName = QStringLiteral("fehler.txt");
    dialog.filter = kLektionsFilter;
    dialog.standardEndung = QStringLiteral("*.txt");
    // The list is taken now: a check finishing while the dialog is open must not change it.
    const QStringList fehler = Sitzung.StrHolderFehler;
    const QString pfad = m_plattform.meldungen.dateiSpeichern(dialog);
    if (pfad.isEmpty())
        return;
    const bool gespeichert = TStrHolder::speichern(pfad, fehler);
    sicherungenMelden();
    if (!gespeichert)
        dateiFehler(QStringLiteral("Datei %1 kann nicht erstellt werden"), pfad);
}

void TLernTrainer::sicherungenMelden() {
    TStrHolder::sicherungenMelden(m_plattform.meldungen);
}

void TLernTrainer::VertauschenClick() {
    if (!Lektion.LektionGeladen()) {
        keineLektion();
        return;
    }
    Optionen.umschalten(TOption::Vertauschen);
    information(
        Optionen.werte().Vertauschen
            ? QStringLiteral("Die Vertauschung wird mit der nächsten Aufgabe aktiviert!")
            : QStringLiteral("Die Vertauschung wird mit der nächsten Aufgabe rückgängig gemacht!"));
}

void TLernTrainer::LesemodusMenuClick() {
    Optionen.umschalten(TOption::Lesemodus);
    if (Optionen.werte().Lesemodus) {
        const QStringList teile = {
            kLesemodusBeachten.text(Optionen.AnredeIndex()),
            QStringLiteral("werden kann, wenn die Lektion auch dafür vorgesehen ist."),
            QStringLiteral("Es muss ohne Zweifel möglich sein, den richtigen sowie den falschen"),
            QStringLiteral("Vorschlag zu erkennen!"),
            QStringLiteral("Details zum Aufbau der Lese-Lektionen kann der Hilfedatei oder"),
            QStringLiteral("der Dokumentation entnommen werden"),
            QStringLiteral("Die Beispiel-Lektion \"lesetest.txt\" ist im Lektions-Verzeichnis zu "
                           "finden")};
        information(teile.join(QStringLiteral("\r\n")));
    }
    LesemodusUmschalten();
}

void TLernTrainer::LesemodusUmschalten() {
    m_ansicht.lesemodusLayout(!Optionen.werte().Lesemodus);
    m_ansicht.setzeLesemodusText(kLesemodusAufgabe.text(Optionen.AnredeIndex()));
}

void TLernTrainer::VorschlagClick(const QString& vorschlag) {
    if (Sitzung.PruefungLaeuft)
        return;
    m_ansicht.setzeAntwortText(vorschlag);
    PruefBtnClick();
}

void TLernTrainer::NetzwerkLektionsPfadClick() {
    const QString einstellungen = Lauf.Verzeichnisse.Daten + QStringLiteral("drilla3.ini");
    TNewIniFile ini(einstellungen);
    const QString vorher =
        ini.textLesen(QStringLiteral("Setup"), QStringLiteral("Netzwerk_Lektions_Pfad"),
                      Lauf.Verzeichnisse.Programm + QStringLiteral("Lektion"));
    m_menues.setzeNetzwerkHinweis(vorher);
    const QString gewaehlt = m_plattform.meldungen.ordnerWaehlen(
        TTexte::fensterTitel(Lauf.Verzeichnisse.VersionsZusatz),
        QStringLiteral("Netzwerk-Lektionsverzeichnis auswählen ..."), vorher);
    if (gewaehlt.isEmpty())
        return;
    const bool geschrieben = ini.textSchreiben(QStringLiteral("Setup"),
                                               QStringLiteral("Netzwerk_Lektions_Pfad"), gewaehlt);
    sicherungenMelden();
    if (!geschrieben) {
        dateiFehler(QStringLiteral("nach %1 kann nicht geschrieben werden"), einstellungen);
        return;
    }
    TNewIniFile::IniDateiSchreiben(einstellungen);
    Lauf.Verzeichnisse.Lektion = TVerzeichnisse::normalisieren(gewaehlt);
}

void TLernTrainer::PrivatesLektionsverzeichnisClick() {
    Lauf.Verzeichnisse.Lektion = Lauf.Verzeichnisse.Daten + QStringLiteral("Lektion/");
    information(QStringLiteral("Das Lektionsverzeichnis wurde auf: ") + Lauf.Verzeichnisse.Lektion +
                QStringLiteral(" eingestellt"));
    m_menues.setzePrivatHinweis(Lauf.Verzeichnisse.Lektion);
}

void TLernTrainer::RzLabel1Click(const QString& beschriftung) {
    QString text = m_ansicht.antwortText();
    const int p = m_ansicht.antwortEinfuegePosition();
    // A selection is not replaced: the caption goes in front of it.
    text.insert(std::min<qsizetype>(p, text.size()), beschriftung);
    m_ansicht.setzeAntwortTextUndCursor(text, p + 1);
    KlangSpielen(0);
    EingabePruefen();
}
