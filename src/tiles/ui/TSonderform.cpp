#include "tiles/ui/TSonderform.h"

#include "lessons/TAnsiCodec.h"
#include "shell/ui/TBauteile.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

const QString kAbbruch = QStringLiteral("999");
constexpr int kEintragsHoehe = 26;

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(ort);
    return b;
}

} // namespace

TSonderform::TSonderform(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Sonderform"));
    setWindowTitle(QStringLiteral("Sonderzeichen auswählen"));
    setFixedSize(261, 115);
    QFont fensterSchrift(QStringLiteral("MS Sans Serif"));
    fensterSchrift.setPixelSize(11);
    setFont(fensterSchrift);

    RzLabel = new QLabel(QStringLiteral("?"), this);
    RzLabel->setObjectName(QStringLiteral("RzLabel"));
    RzLabel->setTextFormat(Qt::PlainText);
    RzLabel->setAlignment(Qt::AlignCenter);
    RzLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    RzLabel->setAutoFillBackground(true);
    QPalette weiss = RzLabel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    weiss.setColor(QPalette::WindowText, Qt::black);
    RzLabel->setPalette(weiss);
    RzLabel->setGeometry(12, 24, 37, 33);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // Case-insensitive matching would turn a typed "a" into the entry "A" on Enter.
    ComboBox1->completer()->setCaseSensitivity(Qt::CaseSensitive);
    ComboBox1->setValidator(TBauteile::ansiPruefer(ComboBox1));
    ComboBox1->setMaxVisibleItems(20);
    // Styles that draw the list as a menu ignore the entries' size hints; this delegate does not.
    ComboBox1->setItemDelegate(new QStyledItemDelegate(ComboBox1));
    ComboBox1->setEditText(QStringLiteral("Auswahl..."));
    ComboBox1->setGeometry(60, 24, 189, ComboBox1->sizeHint().height());

    Button1 = knopf(this, "Button1", QStringLiteral("Ü&bernehmen"), QRect(28, 76, 89, 25));
    Button2 = knopf(this, "Button2", QStringLiteral("&Abbrechen"), QRect(140, 76, 89, 25));
    Button1->setDefault(true);

    connect(ComboBox1, &QComboBox::editTextChanged, this, &TSonderform::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TSonderform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSonderform::reject);
    // The open list takes keys before the window would see them.
    ComboBox1->view()->installEventFilter(this);
}

void TSonderform::FormShow(const QPoint& position, const QFont& feldSchrift) {
    const QString text = ComboBox1->currentText();
    {
        const QSignalBlocker sperre(ComboBox1);
        ComboBox1->clear();
        for (int b = 1; b <= 254; ++b) {
            const char byte = static_cast<char>(b);
            ComboBox1->addItem(TAnsiCodec::dekodieren(&byte, 1));
            ComboBox1->setItemData(b - 1, QSize(0, kEintragsHoehe), Qt::SizeHintRole);
        }
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(text);
    }
    ComboBox1->setFont(feldSchrift);
    RzLabel->setFont(feldSchrift);
    ComboBox1->resize(189, ComboBox1->sizeHint().height());
    move(position);
}

void TSonderform::ComboBox1Change() {
    RzLabel->setText(ComboBox1->currentText());
}

void TSonderform::Button1Click() {
    m_gewaehltesZeichen = ComboBox1->currentText();
    accept();
}

// Abbrechen, Escape and the close box all end here.
void TSonderform::reject() {
    m_gewaehltesZeichen = kAbbruch;
    QDialog::reject();
}

bool TSonderform::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        ComboBox1->hidePopup();
        reject();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
