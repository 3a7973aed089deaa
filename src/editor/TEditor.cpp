#include "editor/TEditor.h"

#include "austausch/TTextDekodierung.h"
#include "lessons/TAnredeText.h"
#include "lessons/TStrHolder.h"
#include "shell/TEinstellungen.h"
#include "shell/TIniDokument.h"
#include "shell/TSchriftText.h"
#include "shell/TTexte.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kKeineLektion = QStringLiteral("Keine Lektion geladen !");
const QString kNeueLektion = QStringLiteral("Neue Lektion.txt");
const QString kMusterzeile = QStringLiteral("1.Antwort;1.Aufgabe");
const QString kBestaetigung = QStringLiteral("Bestätigung");

constexpr TAnredeText kFortfahren = {"Wollen Sie fortfahren?", "Willst Du fortfahren?"};
constexpr TAnredeText kBearbeitenGeladen = {"Bitte bearbeiten Sie nun die geladene Lektion.",
                                            "Du kannst jetzt die geladene Lektion bearbeiten."};
constexpr TAnredeText kBearbeitenUebernommen = {"Bitte bearbeiten Sie nun die geladene Lektion.",
                                                "Bitte bearbeite nun die geladene Lektion."};
constexpr TAnredeText kWiderrufen = {
    "Wollen Sie wirklich alle Änderungen und Eingaben widerrufen?",
    "Willst Du wirklich alle Änderungen und Eingaben rückgängig machen?"};
constexpr TAnredeText kAenderungenSpeichern = {
    "Die Lektion im Editor wurde geändert.\r\nWollen Sie die Änderungen speichern?",
    "Die Lektion im Editor wurde geändert.\r\nWillst Du die Änderungen speichern?"};

// Answer and question as the fields show them: split at the first ";" only.
void teilen(const QString& zeile, QString& antwort, QString& frage) {
    const qsizetype p = zeile.indexOf(QLatin1Char(';'));
    antwort = p < 0 ? QString() : zeile.left(p);
    frage = p < 0 ? zeile : zeile.mid(p + 1);
}
} // namespace

TEditor::TEditor(IEditorAnsicht& ansicht, TPlattform plattform, const TLaufDaten& lauf,
                 const TOptionenModell& optionen, TEditorWerte& werte,
                 const TLektion& trainerLektion)
    : GeladeneLektion(kKeineLektion), m_ansicht(ansicht), m_plattform(plattform), m_lauf(lauf),
      m_optionen(optionen), m_werte(werte), m_trainerLektion(trainerLektion) {
    LMDListBox1.setzeZeilen({QString()});
    m_stand = LMDListBox1.zeilen();
}

bool TEditor::geaendert() const {
    return LMDListBox1.zeilen() != m_stand;
}

void TEditor::FormShow() {
    m_ansicht.setzeGeladeneLektion(GeladeneLektion);
    m_ansicht.setzeInfoText(
        QStringLiteral("Bitte lade nun die Lektion, die bearbeitet werden soll."));
    LMDListBox1.setzeAuswahl(0);
    ZeileInFelder();
}

TSchriftDaten TEditor::menuSchrift() const {
    const TIniDokument ini(m_lauf.Verzeichnisse.Daten + QStringLiteral("drilla3.ini"));
    return TSchriftText::SchriftLaden(
        ini.textLesen(QStringLiteral("Setup"), QStringLiteral("MenuSchrift"), QString()),
        TEinstellungen::menuSchriftVorgabe());
}

void TEditor::dateiFehler(const char* text, const QString& pfad) {
    m_plattform.meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(),
                                  QString::fromUtf8(text).arg(pfad));
}

bool TEditor::geschuetzt() {
    if (lektionImEditor())
        return false;
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                  QStringLiteral("Es wurde noch keine Lektion geladen."));
    return true;
}

QString TEditor::feldZeile() const {
    return m_ansicht.antwortText() + QLatin1Char(';') + m_ansicht.frageText();
}

void TEditor::ZeileInFelder() {
    // A table without rows has nothing to show; the fields are emptied rather than left
    // showing a row that is gone.
    QString antwort, frage;
    if (LMDListBox1.hatAuswahl())
        teilen(LMDListBox1.zeile(LMDListBox1.auswahl()), antwort, frage);
    m_ansicht.setzeFelder(frage, antwort);
    AufgabenNrAktualisieren();
}

void TEditor::AufgabenNrAktualisieren() {
    m_ansicht.setzeAufgabenNr(QStringLiteral("%1 von %2")
                                  .arg(LMDListBox1.hatAuswahl() ? LMDListBox1.auswahl() + 1 : 0)
                                  .arg(LMDListBox1.anzahl()));
}

void TEditor::LMDListBox1Click(int zeile) {
    if (zeile < 0 || zeile >= LMDListBox1.anzahl())
        return;
    LMDListBox1.setzeAuswahl(zeile);
    ZeileInFelder();
}

void TEditor::LMDListBox1KeyDown(int taste) {
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
        m_ansicht.frageFokussieren();
}

void TEditor::lmdedit1KeyDown(int taste) {
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
        m_ansicht.antwortFokussieren();
}

void TEditor::lmdedit2KeyDown(int taste) {
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter)
        return;
    if (geschuetzt())
        return;
    LMDListBox1.einfuegen(LMDListBox1.anzahl(), feldZeile());
    m_ansicht.tabelleFokussieren();
    LMDListBox1.setzeAuswahl(int(LMDListBox1.anzahl()) - 1);
    AufgabenNrAktualisieren();
    m_ansicht.frageFokussieren();
}

void TEditor::LMDExplorerButton1Click() {
    if (!LMDListBox1.hatAuswahl())
        return;
    LMDListBox1.ersetzen(LMDListBox1.auswahl(), feldZeile());
    ZeileInFelder();
}

void TEditor::NachObenBtnClick() {
    if (geschuetzt() || !LMDListBox1.hatAuswahl())
        return;
    const int i = LMDListBox1.auswahl();
    if (i > 0) {
        LMDListBox1.tauschen(i - 1);
        LMDListBox1.setzeAuswahl(i - 1);
    }
    AufgabenNrAktualisieren();
}

void TEditor::NachUntenBtnClick() {
    if (geschuetzt() || !LMDListBox1.hatAuswahl())
        return;
    const int i = LMDListBox1.auswahl();
    if (i < LMDListBox1.anzahl() - 1) {
        LMDListBox1.tauschen(i);
        LMDListBox1.setzeAuswahl(i + 1);
    }
    AufgabenNrAktualisieren();
}

void TEditor::LoeschBtnClick() {
    if (geschuetzt() || !LMDListBox1.hatAuswahl())
        return;
    if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, kBestaetigung,
                                     QStringLiteral("Soll die Aufgabe wirklich gelöscht werden?")))
        return;
    const int a = LMDListBox1.auswahl();
    LMDListBox1.entfernen(a);
    m_ansicht.tabelleFokussieren();
    LMDListBox1.setzeAuswahl(a > 0 ? a - 1 : 0);
    if (LMDListBox1.hatAuswahl())
        LMDListBox1.setzeAufgabenUeberschrift(
            QStringLiteral("%1. Aufgabe").arg(LMDListBox1.auswahl() + 1));
    AufgabenNrAktualisieren();
    ZeileInFelder();
}

void TEditor::LMDExplorerButton4Click() {
    if (geschuetzt() || !LMDListBox1.hatAuswahl())
        return;
    const int i = LMDListBox1.auswahl();
    LMDListBox1.einfuegen(i, LMDListBox1.zeile(i));
    LMDListBox1.setzeAuswahl(i + 1);
    AufgabenNrAktualisieren();
}

void TEditor::Copy1Click() {
    if (!LMDListBox1.hatAuswahl())
        return;
    TEditorZwischenablage& ablage = m_werte.EditorZwischenablage;
    teilen(LMDListBox1.zeile(LMDListBox1.auswahl()), ablage.Antwort, ablage.Aufgabe);
}

void TEditor::Paste1Click() {
    const int i = LMDListBox1.auswahl();
    if (i <= 0 || !LMDListBox1.hatAuswahl())
        return;
    const TEditorZwischenablage& ablage = m_werte.EditorZwischenablage;
    LMDListBox1.einfuegen(i, ablage.Antwort + QLatin1Char(';') + ablage.Aufgabe);
    LMDListBox1.setzeAuswahl(i + 1);
    AufgabenNrAktualisieren();
}

void TEditor::EditorBtn2Click() {
    if (geschuetzt())
        return;
    if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, kBestaetigung,
                                     kWiderrufen.text(m_optionen.AnredeIndex())))
        return;
    LMDListBox1.setzeZeilen(StrHolderUndo);
    m_ansicht.tabelleFokussieren();
    LMDListBox1.setzeAuswahl(0);
    AufgabenNrAktualisieren();
    StrHolderUndo = LMDListBox1.zeilen();
}

bool TEditor::ersetzenErlaubt() {
    if (GeladeneLektion == kKeineLektion)
        return true;
    return m_plattform.meldungen.frage(
        TFrageArt::OkAbbrechen, kBestaetigung,
        QStringLiteral("Es ist bereits eine Lektion im Editor geladen!\n") +
            kFortfahren.text(m_optionen.AnredeIndex()));
}

TDateiDialog TEditor::lektionsDialog() const {
    TDateiDialog dialog;
    dialog.verzeichnis = m_lauf.Verzeichnisse.Lektion;
    dialog.filter = QStringLiteral("Lektionen  (*.txt)|*.txt");
    dialog.vorgabeName = QStringLiteral("*.txt");
    dialog.standardEndung = QStringLiteral("*.txt");
    return dialog;
}

bool TEditor::tabelleLaden(const QString& pfad) {
    QStringList zeilen;
    if (!TStrHolder::laden(pfad, zeilen)) {
        dateiFehler("Datei %1 kann nicht geöffnet werden", pfad);
        return false;
    }
    tabelleZeigen(zeilen, pfad);
    return true;
}

void TEditor::tabelleZeigen(const QStringList& zeilen, const QString& pfad) {
    LMDListBox1.setzeZeilen(zeilen);
    m_lektionsPfad = pfad;
    m_stand = zeilen;
}

void TEditor::LektionLadenClick() {
    if (!ersetzenErlaubt())
        return;
    const QString pfad = m_plattform.meldungen.dateiOeffnen(lektionsDialog());
    if (pfad.isEmpty() || !tabelleLaden(pfad))
        return;
    dateiUebernommen(pfad);
    m_ansicht.setzeInfoText(kBearbeitenGeladen.text(m_optionen.AnredeIndex()));
}

void TEditor::dateiUebernommen(const QString& pfad) {
    m_werte.EditorDatei = pfad;
    m_ansicht.tabelleFokussieren();
    LMDListBox1.setzeAuswahl(0);
    ZeileInFelder();
    StrHolderUndo = LMDListBox1.zeilen();
    GeladeneLektion = QFileInfo(pfad).fileName();
    m_ansicht.setzeGeladeneLektion(GeladeneLektion);
}

QString TEditor::neueLektionsDatei() const {
    // A lesson saved earlier as "Neue Lektion.txt" is the user's: it is not overwritten, the
    // new lesson takes the next free name instead. A file that holds only the sample line may
    // be used again.
    const QString verzeichnis = m_lauf.Verzeichnisse.Lektion;
    for (int n = 1; n < 1000; ++n) {
        const QString pfad =
            verzeichnis + (n == 1 ? kNeueLektion : QStringLiteral("Neue Lektion %1.txt").arg(n));
        const QFileInfo info(pfad);
        if (!info.exists() && !info.isSymLink())
            return pfad;
        QStringList inhalt;
        if (info.isFile() && TStrHolder::laden(pfad, inhalt) && inhalt == QStringList{kMusterzeile})
            return pfad;
    }
    return {};
}

void TEditor::NeueLektionClick() {
    const QString pfad = neueLektionsDatei();
    const QStringList DummyMemo = {kMusterzeile};
    if (!schreiben(pfad.isEmpty() ? m_lauf.Verzeichnisse.Lektion + kNeueLektion : pfad, DummyMemo,
                   !pfad.isEmpty()))
        return;
    if (tabelleLaden(pfad))
        dateiUebernommen(pfad);
}

void TEditor::LektionuebernehmenClick() {
    if (!ersetzenErlaubt())
        return;
    if (!m_trainerLektion.LektionGeladen()) {
        m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                      QStringLiteral("Es wurde noch keine Lektion geladen."));
        return;
    }
    // The file as stored, not the trainer's lines: its swap and progress do not matter here.
    const QString pfad = m_trainerLektion.Pfad;
    if (!pfad.isEmpty() && !tabelleLaden(pfad))
        return;
    LMDListBox1.setzeAuswahl(0);
    StrHolderUndo = LMDListBox1.zeilen();
    GeladeneLektion = QFileInfo(pfad).fileName();
    m_ansicht.setzeGeladeneLektion(GeladeneLektion);
    ZeileInFelder();
    m_ansicht.setzeInfoText(kBearbeitenUebernommen.text(m_optionen.AnredeIndex()));
}

bool TEditor::schreiben(const QString& pfad, const QStringList& zeilen, bool moeglich) {
    const bool gespeichert = moeglich && TStrHolder::speichern(pfad, zeilen);
    TStrHolder::sicherungenMelden(m_plattform.meldungen);
    if (!gespeichert)
        dateiFehler("Datei %1 kann nicht erstellt werden", pfad);
    return gespeichert;
}

bool TEditor::speichernClick() {
    // The table goes back to the file it came from; without one, a name is asked for.
    if (!lektionImEditor() || m_lektionsPfad.isEmpty())
        return SpeichernUnterClick();
    const QStringList zeilen = LMDListBox1.zeilen();
    if (!schreiben(m_lektionsPfad, zeilen))
        return false;
    m_stand = zeilen;
    return true;
}

bool TEditor::SpeichernUnterClick() {
    const QStringList zeilen = LMDListBox1.zeilen();
    const QString pfad = m_plattform.meldungen.dateiSpeichern(lektionsDialog());
    if (pfad.isEmpty() || !schreiben(pfad, zeilen))
        return false;
    m_stand = zeilen;
    return true;
}

void TEditor::AlleLektionenzeigenClick() {
    if (!m_plattform.shell.ordnerZeigen(m_lauf.Verzeichnisse.Lektion))
        m_plattform.meldungen.meldung(TMeldungsArt::Schlicht, TTexte::kurzTitel(),
                                      QStringLiteral("Das Verzeichnis wurde nicht gefunden"));
}

bool TEditor::aenderungenSichern() {
    const int antwort = m_plattform.meldungen.auswahl(
        kBestaetigung, kAenderungenSpeichern.text(m_optionen.AnredeIndex()),
        {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Abbrechen")});
    if (antwort == 0)
        return speichernClick();
    return antwort == 1;
}

bool TEditor::EditorBtn3Click() {
    if (geaendert())
        return aenderungenSichern();
    const QString& datei = m_werte.EditorDatei;
    if (datei.isEmpty() || !QFileInfo::exists(datei))
        return true;
    return m_plattform.meldungen.frage(
        TFrageArt::OkAbbrechen, kBestaetigung,
        QStringLiteral("Soll der Editor wirklich verlassen werden?"));
}

bool TEditor::beendenErlaubt() {
    return !geaendert() || aenderungenSichern();
}

namespace {
constexpr qint64 kGroessteImportDatei = 256LL * 1024 * 1024;
constexpr qsizetype kGezeigteEintraege = 10;

constexpr TAnredeText kImportPruefen = {
    "Bitte prüfen Sie die importierte Lektion und speichern Sie sie.",
    "Bitte prüfe die importierte Lektion und speichere sie."};
constexpr TAnredeText kNichtDarstellbar = {
    "Diese Einträge enthalten Zeichen, die in einer Lektion nicht gespeichert werden können:",
    "Diese Einträge enthalten Zeichen, die in einer Lektion nicht gespeichert werden können:"};
constexpr TAnredeText kErsetzenFrage = {
    "Sollen diese Zeichen durch \"?\" ersetzt oder die Einträge ausgelassen werden?",
    "Sollen diese Zeichen durch \"?\" ersetzt oder die Einträge ausgelassen werden?"};

QString eintragsListe(const QList<TImportEintrag>& e, const QList<qsizetype>& welche) {
    QStringList z;
    for (qsizetype i = 0; i < welche.size() && i < kGezeigteEintraege; ++i)
        z << QStringLiteral("%1. %2")
                 .arg(welche.at(i) + 1)
                 .arg(TLektionsAustausch::zeile(e.at(welche.at(i))));
    if (welche.size() > kGezeigteEintraege)
        z << QStringLiteral("... und %1 weitere").arg(welche.size() - kGezeigteEintraege);
    return z.join(QStringLiteral("\r\n"));
}
} // namespace

bool TEditor::eintraegeLesen(const QString& pfad, IImportWahl& wahl,
                             QList<TImportEintrag>& eintraege, QStringList& hinweise) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        dateiFehler("Datei %1 kann nicht geöffnet werden", pfad);
        return false;
    }
    if (datei.size() > kGroessteImportDatei) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Fehler, TTexte::kurzTitel(),
            QStringLiteral("Die Datei %1 ist zu groß für eine Lektion.").arg(pfad));
        return false;
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        dateiFehler("Datei %1 kann nicht geöffnet werden", pfad);
        return false;
    }
    const QString anfang = TTextDekodierung::dekodieren(bytes.left(4096)).trimmed();
    if (pfad.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive) ||
        (anfang.startsWith(QLatin1String("<?xml")) && anfang.contains(QLatin1String("<kvtml")))) {
        const TKvtmlDokument d = TKvtmlDokument::lesen(bytes);
        if (!d.fehler.isEmpty()) {
            m_plattform.meldungen.meldung(
                TMeldungsArt::Fehler, TTexte::kurzTitel(),
                QStringLiteral("Die Datei %1 ist keine gültige KVTML-Datei:\r\n%2 (Zeile %3)")
                    .arg(pfad, d.fehler)
                    .arg(d.fehlerZeile));
            return false;
        }
        int aufgabe = d.sprachen.value(0).id, antwort = d.sprachen.value(1).id;
        if (d.sprachen.size() < 2)
            antwort = aufgabe + 1;
        if (!wahl.kvtmlWaehlen(d, aufgabe, antwort))
            return false;
        eintraege = TLektionsAustausch::ausKvtml(d, aufgabe, antwort);
        return true;
    }
    const QString text = TTextDekodierung::dekodieren(bytes);
    IImportWahl::TCsvWahl w;
    w.trenner = TCsvTabelle::trennerErkennen(text);
    const TCsvTabelle probe = TCsvTabelle::lesen(text.left(65536), w.trenner);
    const QStringList kopf = probe.zeilen.value(0);
    w.kopfzeile = TCsvTabelle::kopfzeileErkannt(kopf);
    if (w.kopfzeile && TCsvTabelle::aufgabenSpalte(kopf) >= 0 &&
        TCsvTabelle::antwortSpalte(kopf) >= 0) {
        w.aufgabe = TCsvTabelle::aufgabenSpalte(kopf);
        w.antwort = TCsvTabelle::antwortSpalte(kopf);
    }
    if (!wahl.csvWaehlen(text, w))
        return false;
    const TCsvTabelle t = TCsvTabelle::lesen(text, w.trenner);
    if (t.offeneAnfuehrung >= 0)
        hinweise << QStringLiteral("Ein Anführungszeichen in Zeile %1 wird nicht geschlossen; "
                                   "der Rest der Datei gehört zu diesem Feld.")
                        .arg(t.offeneAnfuehrung + 1);
    if (t.ungleicheZeilen > 0)
        hinweise << QStringLiteral("%1 Zeilen haben eine andere Zahl von Spalten.")
                        .arg(t.ungleicheZeilen);
    eintraege = TLektionsAustausch::ausCsv(t, w.aufgabe, w.antwort, w.kopfzeile);
    return true;
}

void TEditor::LektionImportierenClick(IImportWahl& wahl) {
    if (!ersetzenErlaubt())
        return;
    TDateiDialog dialog;
    dialog.verzeichnis = m_lauf.Verzeichnisse.Lektion;
    dialog.filter = QStringLiteral("Wortlisten  (*.csv;*.tsv;*.txt;*.kvtml)|*.csv;*.tsv;*.txt;"
                                   "*.kvtml|Alle Dateien  (*.*)|*.*");
    const QString pfad = m_plattform.meldungen.dateiOeffnen(dialog);
    if (pfad.isEmpty())
        return;
    QList<TImportEintrag> eintraege;
    QStringList hinweise;
    if (!eintraegeLesen(pfad, wahl, eintraege, hinweise))
        return;
    const int anrede = m_optionen.AnredeIndex();
    const TImportBefund befund = TLektionsAustausch::pruefen(eintraege);
    bool auslassen = false;
    if (!befund.nichtDarstellbar.isEmpty()) {
        const int antwort = m_plattform.meldungen.auswahl(
            kBestaetigung,
            kNichtDarstellbar.text(anrede) + QStringLiteral("\r\n") +
                eintragsListe(eintraege, befund.nichtDarstellbar) + QStringLiteral("\r\n") +
                kErsetzenFrage.text(anrede),
            {QStringLiteral("Ersetzen"), QStringLiteral("Auslassen"), QStringLiteral("Abbrechen")});
        if (antwort == 2)
            return;
        auslassen = antwort == 1;
    }
    if (!befund.semikolon.isEmpty())
        hinweise << QStringLiteral("In diesen Einträgen enthält die Antwort ein \";\"; alles "
                                   "dahinter wird zur Aufgabe:\r\n") +
                        eintragsListe(eintraege, befund.semikolon);
    if (!befund.umbrueche.isEmpty())
        hinweise << QStringLiteral("%1 Einträge enthalten Zeilenumbrüche; sie wurden durch "
                                   "Leerzeichen ersetzt.")
                        .arg(befund.umbrueche.size());
    const QStringList zeilen = TLektionsAustausch::zeilen(eintraege, auslassen);
    if (zeilen.isEmpty()) {
        m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                      QStringLiteral("Die Datei enthält keine Einträge."));
        return;
    }
    if (!hinweise.isEmpty())
        m_plattform.meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                                      hinweise.join(QStringLiteral("\r\n\r\n")));
    // Nothing is written: the lesson has no file until it is saved under a name.
    LMDListBox1.setzeZeilen(zeilen);
    m_lektionsPfad.clear();
    m_stand.clear();
    m_ansicht.tabelleFokussieren();
    LMDListBox1.setzeAuswahl(0);
    ZeileInFelder();
    StrHolderUndo = LMDListBox1.zeilen();
    GeladeneLektion = QFileInfo(pfad).completeBaseName() + QStringLiteral(".txt");
    m_ansicht.setzeGeladeneLektion(GeladeneLektion);
    m_ansicht.setzeInfoText(kImportPruefen.text(anrede));
}

void TEditor::LektionExportierenClick() {
    if (geschuetzt())
        return;
    TDateiDialog dialog;
    dialog.verzeichnis = m_lauf.Verzeichnisse.Lektion;
    dialog.filter =
        QStringLiteral("CSV-Dateien (UTF-8)  (*.csv)|*.csv|KVTML-Dateien  (*.kvtml)|*.kvtml");
    const QString name = GeladeneLektion == kKeineLektion
                             ? QStringLiteral("Lektion")
                             : QFileInfo(GeladeneLektion).completeBaseName();
    dialog.vorgabeName = name + QStringLiteral(".csv");
    dialog.standardEndung = QStringLiteral("*.csv");
    QString pfad = m_plattform.meldungen.dateiSpeichern(dialog);
    if (pfad.isEmpty())
        return;
    const bool kvtml = pfad.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive);
    if (!kvtml && !pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        pfad += QStringLiteral(".csv");
    const QStringList zeilen = LMDListBox1.zeilen();
    const QByteArray bytes =
        kvtml ? TLektionsAustausch::nachKvtml(zeilen, name) : TLektionsAustausch::nachCsv(zeilen);
    const bool gespeichert = TStrHolder::bytesSpeichern(pfad, bytes);
    TStrHolder::sicherungenMelden(m_plattform.meldungen);
    if (!gespeichert)
        dateiFehler("Datei %1 kann nicht erstellt werden", pfad);
}
