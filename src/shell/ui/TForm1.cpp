#include "shell/ui/TForm1.h"

#include "austausch/ui/TFormLernfortschritt.h"
#include "backup/TWechselmedien.h"
#include "backup/ui/TFormBackup.h"
#include "backup/ui/TFormSoftInfo.h"
#include "editor/ui/TFormEditor.h"
#include "lessons/TLernTrainer.h"
#include "lessons/TStrHolder.h"
#include "lessons/ui/TTrainerSeite.h"
#include "printing/TEditorDruck.h"
#include "printing/TLektionsDruck.h"
#include "printing/ui/TBerichtVorschau.h"
#include "printing/ui/TQtFortschritt.h"
#include "shell/TProgrammablauf.h"
#include "shell/TSchriftWahl.h"
#include "shell/TTexte.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TBerichtModulLader.h"
#include "shell/ui/TFormPlacement.h"
#include "shell/ui/THilfeFenster.h"
#include "shell/ui/TSchriftUmwandlung.h"
#include "shell/ui/TSymbole.h"
#include "shell/ui/TTippsFenster.h"
#include "shell/ui/TfrmLMDFontForm.h"
#include "tiles/ui/TZeichenfeld.h"
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

namespace {
// Designed client size and the smallest outer size (500 x 500 with the window frame).
constexpr int kBreite = 785;
constexpr int kHoehe = 571;
constexpr int kMinBreite = 492;
constexpr int kMinHoehe = 473;
constexpr int kStatusleiste = 31;
constexpr int kWerkzeugleiste = 61;
const char* const kHomepage = "https://www.morvane.de/";

// The toggles of the menus and the options they show.
const struct {
    const char* aktion;
    TOption option;
} kHaken[] = {{"Ton1", TOption::Ton},
              {"PopupHilfeanzeigen1", TOption::PopupHilfe},
              {"FelderDrehen1", TOption::FelderDrehen},
              {"AntwortbeiderEingabeprfen1", TOption::SofortPruefen},
              {"AnredemitDU1", TOption::AnredeDu},
              {"KeineFarbeimAusdruck1", TOption::OhneFarbeDrucken},
              {"LesemodusMenu", TOption::Lesemodus},
              {"Vertauschen", TOption::Vertauschen}};
} // namespace

TForm1::TForm1(TPlattform plattform, IModalDialoge& dialoge, QWidget* eltern)
    : QWidget(eltern), m_plattform(plattform), m_dialoge(dialoge) {
    setObjectName(QStringLiteral("Form1"));
    setProperty("Klasse", QStringLiteral("TForm1"));
    setWindowTitle(TTexte::fensterTitel(m_lauf.Verzeichnisse.VersionsZusatz));
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

    // Pages use the whole client area with the designed coordinates; toolbar and status bar,
    // made later, lie above them.
    m_seiten = new QStackedWidget(FormPanel1);
    m_seiten->setObjectName(QStringLiteral("Seitenbereich"));
    m_seiten->setGeometry(FormPanel1->rect());
    m_seite = new TTrainerSeite(plattform, dialoge, m_lauf, m_optionen, m_seiten);
    m_seiten->addWidget(m_seite);

    erzeugeWerkzeugleiste();
    erzeugeMenues();
    erzeugeStatusleiste();

    m_trainer = std::make_unique<TLernTrainer>(*m_seite, *this, plattform, m_lauf, m_optionen);
    m_ablauf = std::make_unique<TProgrammablauf>(*this, *m_seite, *m_trainer, plattform, m_lauf,
                                                 m_optionen);
    m_vorschau = std::make_unique<TBerichtVorschau>(dialoge, plattform.meldungen, this);
    m_fortschritt = std::make_unique<TQtFortschritt>(this);
    m_druck = std::make_unique<TLektionsDruck>(*m_trainer, *m_seite, plattform, *m_vorschau,
                                               *m_fortschritt);
    m_editorDruck = std::make_unique<TEditorDruck>(plattform, m_lauf.Verzeichnisse.VersionsZusatz,
                                                   *m_vorschau, *m_fortschritt);
    m_seite->verbinden(*m_trainer);
    m_seite->setzeStatusleistenHoehe(kStatusleiste);
    m_trainer->setzePruefungsEnde([this] { pruefungBeendet(); });
    verbinden();
    optionenVerbinden();
    m_trainer->HistorieBeschriften();
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    // The controls go after the trainer; the focus they lose on the way must not reach it.
    m_seite->trennen();
}

QAction* TForm1::aktion(const QString& name) const {
    return findChild<QAction*>(name);
}

void TForm1::FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                        const QStringList& shellOrdner, const QString& ausweichVerzeichnis) {
    m_ablauf->FormCreate(programmVerzeichnis, netzwerkmodus, shellOrdner, ausweichVerzeichnis);
}

void TForm1::optionenVerbinden() {
    for (const auto& h : kHaken) {
        QAction* a = aktion(QString::fromLatin1(h.aktion));
        a->setChecked(m_optionen.wert(h.option));
        // Qt has inverted the mark already; after the handler (connected before) the model
        // decides what it shows, also when the handler refused the change.
        connect(a, &QAction::triggered, this,
                [this, a, o = h.option] { a->setChecked(m_optionen.wert(o)); });
    }
    connect(&m_optionen, &TOptionenModell::geaendert, this, [this](TOption option, bool wert) {
        for (const auto& h : kHaken)
            if (h.option == option)
                aktion(QString::fromLatin1(h.aktion))->setChecked(wert);
    });
}

void TForm1::verbinden() {
    auto bei = [this](const char* name, auto handler) {
        connect(aktion(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    auto direkt = [this, bei](const char* name, TOption option) {
        bei(name, [this, option](bool an) { m_optionen.setzen(option, an); });
    };
    direkt("Ton1", TOption::Ton);
    direkt("PopupHilfeanzeigen1", TOption::PopupHilfe);
    direkt("FelderDrehen1", TOption::FelderDrehen);
    direkt("KeineFarbeimAusdruck1", TOption::OhneFarbeDrucken);
    bei("AntwortbeiderEingabeprfen1", [this] { m_trainer->AntwortbeiderEingabeprfen1Click(); });
    bei("AnredemitDU1", [this] { m_trainer->AnredemitDU1Click(); });
    bei("Vertauschen", [this] { m_trainer->VertauschenClick(); });
    bei("LesemodusMenu", [this] { m_trainer->LesemodusMenuClick(); });
    bei("Lektionladen", [this] { m_trainer->LektionladenClick(); });
    bei("Auswertung", [this] { m_trainer->AuswertungClick(); });
    bei("Auswertungzurcksetzten1", [this] { m_trainer->Auswertungzurcksetzten1Click(); });
    bei("Lernfortschritt", [this] { LernfortschrittClick(); });
    bei("Info1", [this] { Info1Click(); });
    bei("Datensicherung1", [this] { Datensicherung1Click(); });
    bei("MenuItem7", [this] { m_trainer->FehlerUebenClick(); });
    bei("MenuItem8", [this] { m_trainer->FehlerLektionSpeichernClick(); });
    bei("NetzwerkLektionsPfad", [this] { m_trainer->NetzwerkLektionsPfadClick(); });
    bei("PrivatesLektionsverzeichnis", [this] { m_trainer->PrivatesLektionsverzeichnisClick(); });
    bei("TastenmitSonderzeichenbelegen1",
        [this] { m_seite->tastatur().TastenmitSonderzeichenbelegen1Click(); });
    for (QAction* eintrag : m_historie)
        connect(eintrag, &QAction::triggered, this, [this, eintrag] {
            m_trainer->LetztegeladeneLektion1Click(eintrag->data().toString());
        });
    bei("GeladeneLektionBearbeiten", [this] { GeladeneLektionBearbeitenClick(); });
    bei("AdministratorModus", [this] { m_ablauf->AdministratorModusClick(); });
    bei("SchriftartderMenupunkte1", [this] { SchriftartClick(TSchriftWahl::TArt::Menu); });
    bei("SchriftartderZahlenfelder1", [this] { SchriftartClick(TSchriftWahl::TArt::Feld); });
    // One command for both items, told apart by their tag.
    for (const char* name : {"LektionsReport", "ArbeitsblattReport"}) {
        QAction* eintrag = aktion(QString::fromLatin1(name));
        connect(eintrag, &QAction::triggered, this, [this, eintrag] {
            m_druck->LektionsReportClick(eintrag->property("Tag").toInt());
        });
    }
    bei("Index1", [this] { Index1Click(); });
    bei("TippsTricks1", [this] { tippsZeigen(m_ablauf->tipps()); });
    bei("Homepage1", [this] { m_plattform.shell.adresseOeffnen(QString::fromLatin1(kHomepage)); });
    connect(m_knoepfe.at(5), &QToolButton::clicked, this, [this] { close(); });
}

void TForm1::LernfortschrittClick() {
    QString meldung;
    IBerichtModul* modul = TBerichtModulLader::modul(&meldung);
    if (!modul) {
        m_plattform.meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(), meldung);
        return;
    }
    // The log as it stands in memory, with this run's records; the file is not touched. The
    // rates are reckoned on the lessons' files, each read once.
    QHash<QString, qsizetype> zahlen;
    auto aufgabenZahl = [&zahlen](const QString& lektion) -> qsizetype {
        auto it = zahlen.constFind(lektion);
        if (it != zahlen.constEnd())
            return *it;
        QStringList zeilen;
        const qsizetype n =
            !lektion.isEmpty() && TStrHolder::laden(lektion, zeilen) ? zeilen.size() : -1;
        zahlen.insert(lektion, n);
        return n;
    };
    // Printing follows the lock of the administrator mode; reading the log is always allowed.
    const bool drucken = aktion(QStringLiteral("LektionsReport"))->isEnabled();
    TFormLernfortschritt fenster(m_trainer->LogStrHolder, QLocale::system(), aufgabenZahl,
                                 m_plattform.meldungen, *modul,
                                 drucken ? m_vorschau.get() : nullptr, this);
    m_dialoge.ausfuehren(fenster);
}

void TForm1::Info1Click() {
    TFormSoftInfo fenster(m_lauf.Verzeichnisse.VersionsZusatz, this);
    fenster.FormShow(frameGeometry());
    m_dialoge.ausfuehren(fenster);
}

void TForm1::SchriftartClick(TSchriftWahl::TArt art) {
    const int anrede = m_optionen.AnredeIndex();
    TSchriftWahl(m_plattform.meldungen, *this, m_lauf, anrede)
        .ausfuehren(art, [this, anrede](const TSchriftDaten& start) {
            return TfrmLMDFontForm::waehlen(m_dialoge, m_plattform.meldungen, anrede, start, this);
        });
}

void TForm1::Datensicherung1Click() {
    TFormBackup fenster(m_plattform.meldungen, m_optionen.AnredeIndex(),
                        m_lauf.Verzeichnisse.Lektion, TWechselmedien::ermitteln(), this);
    fenster.FormShow(frameGeometry());
    m_dialoge.ausfuehren(fenster);
}

void TForm1::Index1Click() {
    const QString datei = m_ablauf->hilfeDatei();
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

void TForm1::StatusaendernClick(int tag) {
    if (m_seiten->currentWidget() != m_seite) {
        m_plattform.meldungen.meldung(
            TMeldungsArt::Information, QStringLiteral("Information"),
            QStringLiteral("Diese Funktion steht Ihnen im Editor nicht zur Verfügung!"));
        return;
    }
    TZeichenfeldTastatur& tasten = m_seite->tastatur();
    switch (tag) {
    case 1:
        tasten.drehen(0);
        break;
    case 2:
        tasten.drehen(360);
        break;
    case 3:
        tasten.aufsteigend();
        break;
    case 4:
        tasten.absteigend();
        break;
    default:
        break;
    }
}

void TForm1::FormKeyDown(int taste) {
    if (taste != Qt::Key_F2)
        return;
    if (m_editor)
        m_editor->LMDSpeedButton1Click();
    else
        m_trainer->LoesungAnzeigenImageClick();
}

void TForm1::GeladeneLektionBearbeitenClick() {
    if (m_editor)
        return;
    m_fokusVorEditor = QApplication::focusWidget();
    m_editor = new TFormEditor(m_plattform, m_dialoge, *m_editorDruck, m_lauf, m_optionen,
                               m_editorWerte, m_trainer->Lektion, m_seiten);
    connect(m_editor, &TFormEditor::verlassen, this, &TForm1::editorVerlassen);
    m_seiten->addWidget(m_editor);
    m_seiten->setCurrentWidget(m_editor);
    seitenAnordnen();
    // The toolbar's access keys must not reach the trainer while the editor is open.
    for (QToolButton* knopf : m_knoepfe)
        knopf->setEnabled(false);
    setWindowTitle(TTexte::fensterTitel(m_lauf.Verzeichnisse.VersionsZusatz) +
                   QStringLiteral("  Editor"));
    m_editor->FormShow();
}

void TForm1::editorVerlassen() {
    if (!m_editor)
        return;
    for (QToolButton* knopf : m_knoepfe)
        knopf->setEnabled(true);
    setWindowTitle(TTexte::fensterTitel(m_lauf.Verzeichnisse.VersionsZusatz));
    m_seiten->setCurrentWidget(m_seite);
    m_seiten->removeWidget(m_editor);
    // The page is left from one of its own buttons; it goes once that click has returned.
    std::exchange(m_editor, nullptr)->deleteLater();
    seitenAnordnen();
    if (m_fokusVorEditor)
        m_fokusVorEditor->setFocus();
}

bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::ToolTip:
        // Hints switched off hide every hint of every window.
        if (!m_optionen.werte().PopupHilfe)
            return true;
        break;
    case QEvent::KeyPress: {
        // The window sees each key first, once, before the focused control handles it. A key
        // from the keyboard reaches the window's own handle first and then travels from the
        // focused control up through its parents; a key sent straight to a control (as tests
        // do) starts there. The focus may change while the key is handled (the solution window),
        // so the same press must not be taken again on its way up.
        // The press is noted once its handling has returned: while a window it opened was up,
        // its release may have come and gone already.
        if (windowHandle() && objekt == static_cast<QObject*>(windowHandle())) {
            FormKeyDown(static_cast<QKeyEvent*>(ereignis)->key());
            m_vorschauTaste = ereignis;
            break;
        }
        if (ereignis == m_vorschauTaste)
            break;
        auto* ziel = qobject_cast<QWidget*>(objekt);
        const bool erstesZiel = ziel && (ziel == QApplication::focusWidget() ||
                                         (!QApplication::focusWidget() && ziel == this));
        if (erstesZiel && ziel->window() == this) {
            FormKeyDown(static_cast<QKeyEvent*>(ereignis)->key());
            m_vorschauTaste = ereignis;
        }
        break;
    }
    case QEvent::KeyRelease:
        // That press has travelled its way; the next press may come at the same address.
        m_vorschauTaste = nullptr;
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton)
            break;
        if (const int tag = m_statusfelder.indexOf(qobject_cast<QLabel*>(objekt)); tag >= 0) {
            StatusaendernClick(tag + 1);
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
    seitenAnordnen();
    RzStatusBar2->setGeometry(0, height() - kStatusleiste, width(), kStatusleiste);
    int links = width() - 4 - 28 * m_statusfelder.size();
    for (QLabel* feld : m_statusfelder) {
        feld->setGeometry(links, 0, 28, kStatusleiste);
        links += 28;
    }
}

void TForm1::seitenAnordnen() {
    // The trainer page lies under toolbar and status bar with its designed coordinates; the
    // editor brings its own toolbar and ends above the status bar.
    m_seiten->setGeometry(0, 0, width(), m_editor ? height() - kStatusleiste : height());
    toppanel->setGeometry(0, 0, width(), m_editor ? 0 : kWerkzeugleiste);
    toppanel->setVisible(!m_editor);
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (m_geschlossen) {
        ereignis->accept();
        return;
    }
    // During a check the lesson may still end and add its record: the end waits for it.
    if (m_trainer->pruefungLaeuft()) {
        m_schliessenVorgemerkt = true;
        ereignis->ignore();
        return;
    }
    if (m_editor && !m_editor->editor().beendenErlaubt()) {
        ereignis->ignore();
        return;
    }
    if (!m_ablauf->FormCloseQuery()) {
        ereignis->ignore();
        return;
    }
    m_geschlossen = true;
    m_ablauf->FormClose();
    ereignis->accept();
}

void TForm1::pruefungBeendet() {
    if (!m_schliessenVorgemerkt)
        return;
    m_schliessenVorgemerkt = false;
    close();
}
