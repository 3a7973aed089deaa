#include "editor/ui/TFormEditor.h"

#include "austausch/ui/TImportWahlDialog.h"
#include "editor/ui/TEditorHilfe.h"
#include "printing/TEditorDruck.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TSchriftUmwandlung.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {
constexpr int kWerkzeugleiste = 61;
constexpr int kObereTafel = 133;
} // namespace

TFormEditor::TFormEditor(TPlattform plattform, IModalDialoge& dialoge, TEditorDruck& druck,
                         const TLaufDaten& lauf, const TOptionenModell& optionen,
                         TEditorWerte& werte, const TLektion& trainerLektion, QWidget* eltern)
    : QWidget(eltern), m_plattform(plattform), m_dialoge(dialoge), m_druck(druck), m_lauf(lauf),
      m_trainerLektion(trainerLektion),
      m_editor(*this, plattform, lauf, optionen, werte, trainerLektion) {
    setObjectName(QStringLiteral("FormEditor"));
    setProperty("Klasse", QStringLiteral("TFormEditor"));
    erzeugeWerkzeugleiste();
    erzeugeObereTafel();
    erzeugeUntereTafel();
    verbinden();
    FormResize();
}

void TFormEditor::verbinden() {
    auto bei = [this](const char* name, auto handler) {
        QAction* a = findChild<QAction*>(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
    };
    auto knopf = [this](const char* name, auto handler) {
        auto* b = findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(b, &QAbstractButton::clicked, this, handler);
    };
    TEditor* e = &m_editor;
    bei("LektionLaden", [e] { e->LektionLadenClick(); });
    bei("NeueLektion", [e] { e->NeueLektionClick(); });
    bei("Lektionuebernehmen", [e] { e->LektionuebernehmenClick(); });
    bei("speichern", [e] { e->speichernClick(); });
    bei("SpeichernUnter", [e] { e->SpeichernUnterClick(); });
    bei("AlleLektionenzeigen", [e] { e->AlleLektionenzeigenClick(); });
    bei("LektionImportieren", [this] {
        TImportWahlDialog wahl(m_dialoge, this);
        m_editor.LektionImportierenClick(wahl);
    });
    bei("LektionExportieren", [e] { e->LektionExportierenClick(); });
    // The prints show the trainer's lesson path in their header, as the trainer's own do.
    bei("Lektiondrucken1", [this] {
        m_druck.Lektiondrucken1Click(m_editor.LMDListBox1.zeilen(), m_trainerLektion.Pfad);
    });
    bei("LektionenDrucken", [this] {
        m_druck.LektionenDruckenClick(m_lauf.Verzeichnisse.Lektion, m_trainerLektion.Pfad);
    });
    bei("Copy1", [e] { e->Copy1Click(); });
    bei("Paste1", [e] { e->Paste1Click(); });
    knopf("EditorBtn2", [e] { e->EditorBtn2Click(); });
    knopf("LMDSpeedButton1", [this] { LMDSpeedButton1Click(); });
    knopf("EditorBtn3", [this] {
        if (m_editor.EditorBtn3Click())
            emit verlassen();
    });
    knopf("LMDExplorerButton1", [e] { e->LMDExplorerButton1Click(); });
    knopf("NachObenBtn", [e] { e->NachObenBtnClick(); });
    knopf("NachUntenBtn", [e] { e->NachUntenBtnClick(); });
    knopf("LoeschBtn", [e] { e->LoeschBtnClick(); });
    knopf("LMDExplorerButton4", [e] { e->LMDExplorerButton4Click(); });

    connect(lmdedit1, &QLineEdit::returnPressed, this, [e] { e->lmdedit1KeyDown(Qt::Key_Return); });
    connect(lmdedit2, &QLineEdit::returnPressed, this, [e] { e->lmdedit2KeyDown(Qt::Key_Return); });
    LMDListBox1->installEventFilter(this);
    connect(&m_editor.LMDListBox1, &TEditorModell::auswahlGeaendert, this,
            &TFormEditor::auswahlZeigen);
    // A click or a cursor key in the table selects; a selection made by a command does not.
    connect(LMDListBox1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& jetzt) {
                if (!m_auswahlSetzen)
                    m_editor.LMDListBox1Click(jetzt.row());
            });
    connect(LMDListBox1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { m_editor.LMDListBox1Click(index.row()); });
    connect(LMDListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& ort) {
        GridPopupMenu->popup(LMDListBox1->viewport()->mapToGlobal(ort));
    });
}

void TFormEditor::FormShow() {
    const TSchriftDaten schrift = m_editor.menuSchrift();
    const QFont f = TSchriftUmwandlung::schrift(schrift);
    const QString farbe = TSchriftUmwandlung::farbe(schrift.Farbe).name();
    EditorLektionPopup->setFont(f);
    EditorLektionPopup->setStyleSheet(
        QStringLiteral("QMenu::item { min-height: 29px; padding: 0px 24px 0px 28px; } "
                       "QMenu::item:enabled:!selected { color: %1; }")
            .arg(farbe));
    for (QToolButton* b : m_knoepfe) {
        b->setFont(f);
        b->setStyleSheet(
            QStringLiteral("QToolButton { color: %1; } QToolButton:hover { color: navy; }")
                .arg(farbe));
    }
    m_editor.FormShow();
    lmdedit1->setFocus();
}

void TFormEditor::LMDSpeedButton1Click() {
    TEditorHilfe hilfe(this);
    m_dialoge.ausfuehren(hilfe);
}

void TFormEditor::auswahlZeigen(int zeile) {
    m_auswahlSetzen = true;
    QItemSelectionModel* auswahl = LMDListBox1->selectionModel();
    if (zeile < 0) {
        auswahl->clear();
    } else {
        const QModelIndex index = m_editor.LMDListBox1.index(zeile, 0);
        auswahl->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        LMDListBox1->scrollTo(index);
    }
    m_auswahlSetzen = false;
}

void TFormEditor::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    FormResize();
}

void TFormEditor::FormResize() {
    const int w = width();
    toppanel->setGeometry(0, 0, w, kWerkzeugleiste);
    LMDSimplePanel2->setGeometry(0, kWerkzeugleiste, w, kObereTafel);
    const int oben = kWerkzeugleiste + kObereTafel;
    LMDSimplePanel1->setGeometry(0, oben, w, qMax(0, height() - oben));
    const int breite = LMDSimplePanel1->width();
    const int hoehe = LMDSimplePanel1->height();
    // Sizes below the smallest window would be negative; they stop at nothing.
    const int feld = qMax(0, breite - lmdedit1->x() - 20);
    lmdedit1->resize(feld, lmdedit1->height());
    lmdedit2->resize(feld, lmdedit2->height());
    AufgabenNrLabel->move(lmdedit1->x() + feld - AufgabenNrLabel->width(), AufgabenNrLabel->y());
    LMDListBox1->resize(qMax(0, breite - LMDListBox1->x() - 20),
                        qMax(0, hoehe - LMDListBox1->y() - 20));
    const int spalte = LMDListBox1->width() / 2;
    LMDListBox1->horizontalHeader()->resizeSection(0, spalte);
    LMDListBox1->horizontalHeader()->resizeSection(1, spalte);
}

bool TFormEditor::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == LMDListBox1 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            m_editor.LMDListBox1KeyDown(taste);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

QString TFormEditor::frageText() const {
    return lmdedit1->text();
}

QString TFormEditor::antwortText() const {
    return lmdedit2->text();
}

void TFormEditor::setzeFelder(const QString& frage, const QString& antwort) {
    lmdedit1->setText(frage);
    lmdedit2->setText(antwort);
}

void TFormEditor::tabelleFokussieren() {
    LMDListBox1->setFocus();
}

void TFormEditor::frageFokussieren() {
    lmdedit1->setFocus();
    lmdedit1->selectAll();
}

void TFormEditor::antwortFokussieren() {
    lmdedit2->setFocus();
    lmdedit2->selectAll();
}

void TFormEditor::setzeGeladeneLektion(const QString& text) {
    GeladeneLektion->setText(text);
    GeladeneLektion->adjustSize();
}

void TFormEditor::setzeInfoText(const QString& text) {
    AktuelleInfoLabel->setText(text);
}

void TFormEditor::setzeAufgabenNr(const QString& text) {
    AufgabenNrLabel->setText(text);
}
