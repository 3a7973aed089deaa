// Construction of the editor page's controls at their designed positions.
#include "editor/ui/TFormEditor.h"
#include "shell/ui/TBauteile.h"
#include "shell/ui/TSymbole.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using B = TBauteile;

namespace {
const char* const kInfo = "Zeigt aktuelle Informationen.";

QFrame* tafel(QWidget* eltern, const char* name) {
    auto* f = new QFrame(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, Qt::white);
    f->setPalette(p);
    return f;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort,
                   const char* hinweis) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(ort);
    b->setFont(B::schrift(QStringLiteral("MS Sans Serif"), 11));
    if (*hinweis)
        b->setToolTip(QString::fromUtf8(hinweis));
    return b;
}

QLineEdit* feld(QWidget* eltern, const char* name, const QRect& ort, const char* hinweis) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(ort);
    e->setAlignment(Qt::AlignCenter);
    e->setFont(B::schrift(QStringLiteral("Comic Sans MS"), 15, true));
    e->setToolTip(QString::fromUtf8(hinweis));
    e->setValidator(B::ansiPruefer(e));
    // Flat and white; the focused field takes the hint background.
    e->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #808080; background: white; } "
                                    "QLineEdit:focus { background: palette(tool-tip-base); }"));
    return e;
}
} // namespace

void TFormEditor::erzeugeWerkzeugleiste() {
    toppanel = new QFrame(this);
    toppanel->setObjectName(QStringLiteral("toppanel"));
    toppanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    struct Knopf {
        const char* name;
        QRect ort;
        const char* text;
        const char* hinweis;
        int symbol;
    };
    const Knopf knoepfe[] = {
        {"EditorBtn1",
         {7, 9, 114, 43},
         "&Lektionen",
         "Lektion laden, die bearbeitet werden soll.",
         1},
        {"EditorBtn2",
         {140, 9, 73, 43},
         "&Undo",
         "Macht alle Eingaben und Änderungen rückgängig.",
         7},
        {"LMDSpeedButton1", {236, 9, 73, 43}, "&Hilfe", "", 5},
        {"EditorBtn3", {332, 9, 181, 43}, "&Editor verlassen", "Schließt das Editor-Fenster.", 6},
    };
    for (const Knopf& k : knoepfe) {
        auto* b = new QToolButton(toppanel);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setText(QString::fromUtf8(k.text));
        if (*k.hinweis)
            b->setToolTip(QString::fromUtf8(k.hinweis));
        b->setGeometry(k.ort);
        b->setIcon(TSymbole::werkzeug(k.symbol));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        m_knoepfe.append(b);
    }

    EditorLektionPopup = new QMenu(this);
    EditorLektionPopup->setObjectName(QStringLiteral("EditorLektionPopup"));
    auto eintrag = [this](const char* name, const char* text) {
        QAction* a = EditorLektionPopup->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    eintrag("LektionLaden", "&Lektion laden");
    eintrag("NeueLektion", "&Neue Lektion erstellen");
    eintrag("Lektionuebernehmen", "Lektion &von DRILLA übernehmen");
    eintrag("speichern", "&Speichern");
    eintrag("SpeichernUnter", "Speichern &unter ...");
    eintrag("LektionImportieren", "Lektion &importieren ...");
    eintrag("LektionExportieren", "Lektion &exportieren ...");
    EditorLektionPopup->addSeparator()->setObjectName(QStringLiteral("N3"));
    eintrag("Lektiondrucken1", "Lektion &drucken");
    eintrag("LektionenDrucken", "Liste aller Le&ktionen drucken");
    EditorLektionPopup->addSeparator()->setObjectName(QStringLiteral("N1"));
    eintrag("AlleLektionenzeigen", "&Lektions-Verzeichnis zeigen");
    m_knoepfe.at(0)->setMenu(EditorLektionPopup);
    m_knoepfe.at(0)->setPopupMode(QToolButton::InstantPopup);
}

void TFormEditor::erzeugeObereTafel() {
    LMDSimplePanel2 = tafel(this, "LMDSimplePanel2");
    QWidget* t = LMDSimplePanel2;
    const QFont fett12 = B::schrift(QStringLiteral("Arial"), 12, true);
    const QFont fett13 = B::schrift(QStringLiteral("Arial"), 13, true);

    GeladeneLektion = B::etikett(t, "GeladeneLektion", {}, QRect(12, 14, 190, 18), fett13);
    GeladeneLektion->setToolTip(QStringLiteral("Name der geladenen Lektion."));
    B::linie(t, "Shape1", QRect(12, 36, 190, 2));
    AktuelleInfoLabel =
        B::etikett(t, "AktuelleInfoLabel", {}, QRect(12, 44, 157, 89), fett12, B::kNavy);
    AktuelleInfoLabel->setWordWrap(true);
    AktuelleInfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AktuelleInfoLabel->setToolTip(QString::fromUtf8(kInfo));
    knopf(t, "LMDExplorerButton1", QStringLiteral("Än&derung übernehmen"), QRect(12, 100, 190, 25),
          "Änderungen an der aktuellen Aufgabe werden übernommen.");

    B::etikett(t, "RxLabel2", QStringLiteral("Aufgabe "), QRect(234, 15, 80, 16), fett12, B::kNavy)
        ->setToolTip(QString::fromUtf8(kInfo));
    lmdedit1 = feld(t, "lmdedit1", QRect(232, 32, 389, 33), "Hier wird die Aufgabe eingeben.");
    B::etikett(t, "RxLabel3", QStringLiteral("Antwort "), QRect(234, 75, 80, 16), fett12, B::kNavy)
        ->setToolTip(QString::fromUtf8(kInfo));
    lmdedit2 = feld(t, "lmdedit2", QRect(232, 92, 389, 33),
                    "Hier wird die Lösung zur Aufgabe eingeben.\r\nMit ENTER wird die Aufgabe und "
                    "Anwort in die Tabelle übernommen!");
    // Right-aligned above the question field, so it stays in view at every width.
    AufgabenNrLabel = B::etikett(t, "AufgabenNrLabel", {}, QRect(471, 13, 150, 18), fett13);
    AufgabenNrLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AufgabenNrLabel->setToolTip(
        QStringLiteral("Nummer der aktuellen Aufgabe sowie die Gesamtzahl der Aufgaben."));
    setTabOrder(lmdedit1, lmdedit2);
}

void TFormEditor::erzeugeUntereTafel() {
    LMDSimplePanel1 = tafel(this, "LMDSimplePanel1");
    QWidget* t = LMDSimplePanel1;
    B::etikett(t, "RxLabel1", QStringLiteral("Aufgabe..."), QRect(12, 4, 90, 16),
               B::schrift(QStringLiteral("Arial"), 12, true), B::kNavy)
        ->setToolTip(QString::fromUtf8(kInfo));
    // The two long captions are broken onto two lines, as the buttons are narrow.
    knopf(t, "NachObenBtn", QStringLiteral("Nach &oben\nverschieben"), QRect(12, 26, 89, 49),
          "Die aktuelle Aufgabe wird eine Zeile nach oben verschoben.");
    knopf(t, "NachUntenBtn", QStringLiteral("Nach &unten\nverschieben"), QRect(12, 82, 89, 49),
          "Aktuelle Aufgabe wird eine Zeile nach unten verschoben.");
    knopf(t, "LoeschBtn", QStringLiteral("&Löschen"), QRect(12, 138, 89, 29),
          "Die aktuelle Aufgabe wird gelöscht.");
    knopf(t, "LMDExplorerButton4", QStringLiteral("&Kopieren"), QRect(12, 174, 89, 29), "");

    LMDListBox1 = new QTableView(t);
    LMDListBox1->setObjectName(QStringLiteral("LMDListBox1"));
    LMDListBox1->setGeometry(112, 4, 581, 233);
    LMDListBox1->setFont(B::schrift(QStringLiteral("MS Sans Serif"), 11));
    LMDListBox1->setToolTip(
        QStringLiteral("Hier stehen alle Aufgaben und Antworten der geladenen Lektion."));
    LMDListBox1->setModel(&m_editor.LMDListBox1);
    LMDListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    LMDListBox1->setSelectionBehavior(QAbstractItemView::SelectRows);
    LMDListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LMDListBox1->setShowGrid(true);
    LMDListBox1->setWordWrap(false);
    LMDListBox1->setTabKeyNavigation(false);
    // Fixed row heights keep a table of many thousand rows as quick as a short one.
    QHeaderView* zeilen = LMDListBox1->verticalHeader();
    zeilen->hide();
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setDefaultSectionSize(18);
    QHeaderView* kopf = LMDListBox1->horizontalHeader();
    kopf->setFixedHeight(17);
    kopf->setSectionResizeMode(QHeaderView::Fixed);
    kopf->setDefaultAlignment(Qt::AlignCenter);
    kopf->setHighlightSections(false);
    kopf->setSectionsClickable(false);
    kopf->resizeSection(0, 300);
    kopf->resizeSection(1, 300);
    LMDListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    // The two halves fill the table; a scroll bar for the frame's few pixels would only hide
    // the last row.
    LMDListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    GridPopupMenu = new QMenu(this);
    GridPopupMenu->setObjectName(QStringLiteral("GridPopupMenu"));
    GridPopupMenu->addAction(QStringLiteral("&Kopieren"))->setObjectName(QStringLiteral("Copy1"));
    GridPopupMenu->addAction(QStringLiteral("&Einfügen"))->setObjectName(QStringLiteral("Paste1"));
}
