#include "shell/ui/TfrmLMDFontForm.h"

#include "lessons/TAnsiCodec.h"
#include "shell/IMeldungen.h"
#include "shell/TSchriftWahl.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TBauteile.h"
#include "shell/ui/TSchriftDialog.h"
#include "shell/ui/TSchriftUmwandlung.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTextEdit>

namespace {
constexpr int kSpalten = 16;
constexpr int kZellBreite = 19;
constexpr int kZellHoehe = 16;
constexpr int kTabellenPunkte = 8;
} // namespace

TfrmLMDFontForm::TfrmLMDFontForm(const TSchriftDaten& start, IMeldungen& meldungen, int anredeIndex,
                                 QWidget* eltern)
    : QDialog(eltern), m_meldungen(meldungen), m_anrede(anredeIndex) {
    setObjectName(QStringLiteral("frmLMDFontForm"));
    setProperty("Klasse", QStringLiteral("TfrmLMDFontForm"));
    setWindowTitle(QStringLiteral("Schriftauswahl"));
    setFixedSize(757, 425);
    const QFont klein = TBauteile::schrift(QStringLiteral("MS Sans Serif"), 11);

    FontDialog = new TSchriftDialog(this);
    FontDialog->setGeometry(0, 0, 395, 319);
    FontDialog->setzeSchrift(start);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(416, 0, 332, 321);
    Label1 = TBauteile::etikett(this, "Label1",
                                QStringLiteral("Klicke auf ein Zeichen, um es zu vergrößern."),
                                {424, 4, 316, 14}, klein);
    Label2 = TBauteile::etikett(
        this, "Label2", QStringLiteral("Doppelklick übernimmt das Zeichen in das Textfeld."),
        {424, 20, 316, 14}, klein);

    StringGrid1 = new QTableWidget(kSpalten, kSpalten, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(420, 40, 323, 275);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    // The grid line takes the last pixel of a section, so the cells keep their designed size.
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kZellBreite + 1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kZellHoehe + 1);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int code = 0; code < kSpalten * kSpalten; ++code) {
        const char byte = static_cast<char>(code);
        auto* zelle = new QTableWidgetItem(TAnsiCodec::dekodieren(&byte, 1));
        zelle->setTextAlignment(Qt::AlignCenter);
        StringGrid1->setItem(code / kSpalten, code % kSpalten, zelle);
    }
    StringGrid1->viewport()->installEventFilter(this);
    tabellenSchrift(start);

    RichEdit = new QTextEdit(this);
    RichEdit->setObjectName(QStringLiteral("RichEdit"));
    RichEdit->setGeometry(8, 328, 741, 89);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setAcceptRichText(false);
    RichEdit->setFont(klein);
    RichEdit->setPlainText(
        QStringLiteral("Um die gewählte Schriftart beurteilen zu können, markiert man diesen Text "
                       "\nund weist diesem die gewünschten Eigenschaften zu.\n"));
    // The selection stays visible while the font dialog has the focus.
    QPalette p = RichEdit->palette();
    for (const auto rolle : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, rolle, p.color(QPalette::Active, rolle));
    RichEdit->setPalette(p);

    connect(FontDialog, &TSchriftDialog::geaendert, this, [this] { FontDialogChange(); });
    connect(FontDialog, &TSchriftDialog::uebernommen, this, [this] { FontDialogApply(); });
    connect(FontDialog, &TSchriftDialog::bestaetigt, this, [this] { FontDialogOk(); });
    connect(FontDialog, &TSchriftDialog::abgebrochen, this, &QDialog::reject);
    connect(RichEdit, &QTextEdit::selectionChanged, this, [this] { RichEditSelectionChange(); });
}

std::optional<TSchriftDaten> TfrmLMDFontForm::waehlen(IModalDialoge& dialoge, IMeldungen& meldungen,
                                                      int anredeIndex, const TSchriftDaten& start,
                                                      QWidget* eltern) {
    TfrmLMDFontForm fenster(start, meldungen, anredeIndex, eltern);
    if (dialoge.ausfuehren(fenster) != QDialog::Accepted)
        return std::nullopt;
    return fenster.schrift();
}

TSchriftDaten TfrmLMDFontForm::schrift() const {
    return FontDialog->schrift();
}

void TfrmLMDFontForm::tabellenSchrift(const TSchriftDaten& schrift) {
    TSchriftDaten klein = schrift;
    klein.Groesse = kTabellenPunkte;
    StringGrid1->setFont(TSchriftUmwandlung::schrift(klein));
    QPalette p = StringGrid1->palette();
    p.setColor(QPalette::Text, TSchriftUmwandlung::farbe(schrift.Farbe));
    StringGrid1->setPalette(p);
}

void TfrmLMDFontForm::FontDialogChange() {
    const TSchriftDaten s = FontDialog->schrift();
    tabellenSchrift(s);
    QTextCursor auswahl = RichEdit->textCursor();
    if (!auswahl.hasSelection())
        return;
    QTextCharFormat format;
    format.setFont(TSchriftUmwandlung::schrift(s));
    format.setForeground(TSchriftUmwandlung::farbe(s.Farbe));
    auswahl.mergeCharFormat(format);
}

void TfrmLMDFontForm::FontDialogApply() {
    tabellenSchrift(FontDialog->schrift());
}

void TfrmLMDFontForm::FontDialogOk() {
    // A name the settings file cannot hold would come back as another font: the window stays.
    if (!TSchriftWahl::speicherbar(FontDialog->schrift())) {
        m_meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                            TSchriftWahl::kNichtSpeicherbar.text(m_anrede));
        return;
    }
    accept();
}

void TfrmLMDFontForm::RichEditSelectionChange() {
    QString text = RichEdit->textCursor().selectedText();
    if (text.isEmpty())
        return;
    // Line ends of a selection come as paragraph separators; the sample line has one line.
    text.replace(QChar::ParagraphSeparator, u' ');
    FontDialog->setzeMuster(text);
}

void TfrmLMDFontForm::StringGrid1MouseDown(const QPoint& punkt) {
    lupeEntfernen();
    const QModelIndex zelle = StringGrid1->indexAt(punkt);
    if (!zelle.isValid())
        return;
    // Twice the cell's size, centred on it.
    const QRect ort = StringGrid1->visualRect(zelle);
    const QPoint ecke = StringGrid1->viewport()->mapTo(this, ort.topLeft());
    m_lupe = new QLabel(this);
    m_lupe->setObjectName(QStringLiteral("Lupe"));
    m_lupe->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_lupe->setAutoFillBackground(true);
    m_lupe->setAlignment(Qt::AlignCenter);
    // Plain text: "&" is the character, not an access key.
    m_lupe->setTextFormat(Qt::PlainText);
    m_lupe->setGeometry(QRect(ecke - QPoint(ort.width() / 2, ort.height() / 2), 2 * ort.size()));
    QFont f = StringGrid1->font();
    f.setPixelSize(m_lupe->height() - 4);
    m_lupe->setFont(f);
    QPalette p = m_lupe->palette();
    p.setColor(QPalette::WindowText, StringGrid1->palette().color(QPalette::Text));
    m_lupe->setPalette(p);
    m_lupe->setText(StringGrid1->item(zelle.row(), zelle.column())->text());
    m_lupe->show();
    m_lupe->raise();
}

void TfrmLMDFontForm::lupeEntfernen() {
    delete m_lupe;
    m_lupe = nullptr;
}

void TfrmLMDFontForm::StringGrid1DblClick(const QPoint& punkt) {
    const QModelIndex zelle = StringGrid1->indexAt(punkt);
    if (!zelle.isValid())
        return;
    QTextCursor schreibmarke = RichEdit->textCursor();
    schreibmarke.insertText(StringGrid1->item(zelle.row(), zelle.column())->text());
    RichEdit->setTextCursor(schreibmarke);
}

bool TfrmLMDFontForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == StringGrid1->viewport()) {
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
            StringGrid1MouseDown(static_cast<QMouseEvent*>(ereignis)->position().toPoint());
            break;
        case QEvent::MouseButtonDblClick:
            lupeEntfernen();
            StringGrid1DblClick(static_cast<QMouseEvent*>(ereignis)->position().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            lupeEntfernen();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}
