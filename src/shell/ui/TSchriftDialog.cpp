#include "shell/ui/TSchriftDialog.h"

#include "shell/ui/TSchriftUmwandlung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace {

// The four styles the font string can hold, in the order the list shows them.
const struct {
    const char* name;
    bool fett;
    bool kursiv;
} kSchnitte[] = {{"Standard", false, false},
                 {"Kursiv", false, true},
                 {"Fett", true, false},
                 {"Fett Kursiv", true, true}};

constexpr int kGroessen[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kMaxGroesse = 999;

// The plain colours with a name in the font string, as 0x00BBGGRR.
const struct {
    const char* name;
    quint32 wert;
} kFarben[] = {{"Schwarz", 0x000000},  {"Kastanienbraun", 0x000080}, {"Grün", 0x008000},
               {"Olivgrün", 0x008080}, {"Marineblau", 0x800000},     {"Violett", 0x800080},
               {"Blaugrün", 0x808000}, {"Grau", 0x808080},           {"Silber", 0xC0C0C0},
               {"Rot", 0x0000FF},      {"Hellgrün", 0x00FF00},       {"Gelb", 0x00FFFF},
               {"Blau", 0xFF0000},     {"Fuchsie", 0xFF00FF},        {"Aquamarin", 0xFFFF00},
               {"Weiß", 0xFFFFFF}};

QIcon farbfeld(quint32 wert) {
    QPixmap bild(20, 12);
    bild.fill(TSchriftUmwandlung::farbe(wert));
    return QIcon(bild);
}

QLabel* beschriftung(QWidget* eltern, const QString& text, QWidget* fuer, int links, int oben) {
    auto* l = new QLabel(text, eltern);
    l->setBuddy(fuer);
    l->move(links, oben);
    return l;
}

QListWidget* liste(QWidget* eltern, const char* name, const QRect& ort) {
    auto* l = new QListWidget(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ort);
    l->setUniformItemSizes(true);
    return l;
}

QLineEdit* feld(QWidget* eltern, const char* name, const QRect& ort) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(ort);
    return e;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, int oben) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setGeometry(306, oben, 82, 25);
    return k;
}

} // namespace

TSchriftDialog::TSchriftDialog(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("FontDialog"));
    aufbauen();
}

void TSchriftDialog::aufbauen() {
    Schriftname = feld(this, "Schriftname", {8, 22, 142, 22});
    Schriftliste = liste(this, "Schriftliste", {8, 44, 142, 112});
    beschriftung(this, QStringLiteral("Schrift&art:"), Schriftname, 8, 4);
    // Fonts the application brings for itself are no choice for the user.
    for (const QString& familie : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(familie))
            Schriftliste->addItem(familie);

    Schnittname = feld(this, "Schnittname", {156, 22, 92, 22});
    Schnittname->setReadOnly(true);
    Schnittliste = liste(this, "Schnittliste", {156, 44, 92, 112});
    beschriftung(this, QStringLiteral("Schrifts&til:"), Schnittliste, 156, 4);
    for (const auto& s : kSchnitte)
        Schnittliste->addItem(QString::fromUtf8(s.name));

    Groesse = feld(this, "Groesse", {254, 22, 46, 22});
    Groesse->setValidator(new QIntValidator(1, kMaxGroesse, Groesse));
    Groessenliste = liste(this, "Groessenliste", {254, 44, 46, 112});
    beschriftung(this, QStringLiteral("&Größe:"), Groesse, 254, 4);
    for (const int g : kGroessen)
        Groessenliste->addItem(QString::number(g));

    OkBtn = knopf(this, "OkBtn", QStringLiteral("&Ok"), 22);
    OkBtn->setDefault(true);
    AbbrechenBtn = knopf(this, "AbbrechenBtn", QStringLiteral("Abbrechen"), 52);
    UebernehmenBtn = knopf(this, "UebernehmenBtn", QStringLiteral("&Übernehmen"), 82);

    auto* effekte = new QGroupBox(QStringLiteral("Darstellung"), this);
    effekte->setObjectName(QStringLiteral("Effekte"));
    effekte->setGeometry(8, 164, 142, 147);
    Durchgestrichen = new QCheckBox(QStringLiteral("&Durchgestrichen"), effekte);
    Durchgestrichen->setObjectName(QStringLiteral("Durchgestrichen"));
    Durchgestrichen->setGeometry(10, 24, 126, 22);
    Unterstrichen = new QCheckBox(QStringLiteral("&Unterstrichen"), effekte);
    Unterstrichen->setObjectName(QStringLiteral("Unterstrichen"));
    Unterstrichen->setGeometry(10, 50, 126, 22);
    Farbe = new QComboBox(effekte);
    Farbe->setObjectName(QStringLiteral("Farbe"));
    Farbe->setGeometry(10, 104, 122, 24);
    beschriftung(effekte, QStringLiteral("&Farbe:"), Farbe, 10, 84);
    for (const auto& f : kFarben)
        Farbe->addItem(farbfeld(f.wert), QString::fromUtf8(f.name), f.wert);

    auto* beispiel = new QGroupBox(QStringLiteral("Beispiel"), this);
    beispiel->setObjectName(QStringLiteral("Beispiel"));
    beispiel->setGeometry(156, 164, 232, 147);
    Muster = new QLabel(QStringLiteral("MORVANE"), beispiel);
    Muster->setObjectName(QStringLiteral("Muster"));
    Muster->setTextFormat(Qt::PlainText);
    Muster->setAlignment(Qt::AlignCenter);
    Muster->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Muster->setAutoFillBackground(true);
    Muster->setGeometry(8, 22, 216, 116);

    connect(Schriftliste, &QListWidget::currentTextChanged, this, [this] { auswahlUebernehmen(); });
    connect(Schnittliste, &QListWidget::currentTextChanged, this, [this] { auswahlUebernehmen(); });
    connect(Groessenliste, &QListWidget::currentTextChanged, this,
            [this](const QString& text) { groesseGetippt(text); });
    connect(Schriftname, &QLineEdit::textEdited, this,
            [this](const QString& text) { nameGetippt(text); });
    connect(Groesse, &QLineEdit::textEdited, this,
            [this](const QString& text) { groesseGetippt(text); });
    // What was typed and matches nothing gives way to the font that is chosen.
    connect(Schriftname, &QLineEdit::editingFinished, this, [this] { anzeigen(nullptr); });
    connect(Groesse, &QLineEdit::editingFinished, this, [this] { anzeigen(nullptr); });
    connect(Durchgestrichen, &QCheckBox::toggled, this, [this] { auswahlUebernehmen(); });
    connect(Unterstrichen, &QCheckBox::toggled, this, [this] { auswahlUebernehmen(); });
    connect(Farbe, &QComboBox::currentIndexChanged, this, [this] { auswahlUebernehmen(); });
    connect(OkBtn, &QPushButton::clicked, this, &TSchriftDialog::bestaetigt);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &TSchriftDialog::abgebrochen);
    connect(UebernehmenBtn, &QPushButton::clicked, this, &TSchriftDialog::uebernommen);
}

int TSchriftDialog::farbeAuswaehlen(quint32 farbe) {
    int index = Farbe->findData(farbe);
    if (index < 0) {
        // System colours and mixed ones keep their value; the list shows them as one entry.
        const int alt = Farbe->findText(QStringLiteral("Benutzerdefiniert"));
        if (alt >= 0)
            Farbe->removeItem(alt);
        Farbe->addItem(farbfeld(farbe), QStringLiteral("Benutzerdefiniert"), farbe);
        index = Farbe->count() - 1;
    }
    return index;
}

void TSchriftDialog::setzeSchrift(const TSchriftDaten& schrift) {
    m_setzt = true;
    m_schrift = schrift;
    // A stored name the system does not list (an alias, a font not installed) stays the choice.
    auto gefunden = Schriftliste->findItems(schrift.Name, Qt::MatchFixedString);
    if (gefunden.isEmpty()) {
        int zeile = 0;
        while (zeile < Schriftliste->count() &&
               Schriftliste->item(zeile)->text().compare(schrift.Name, Qt::CaseInsensitive) < 0)
            ++zeile;
        Schriftliste->insertItem(zeile, schrift.Name);
        gefunden = {Schriftliste->item(zeile)};
    }
    Schriftliste->setCurrentItem(gefunden.front());
    Schriftliste->scrollToItem(gefunden.front(), QAbstractItemView::PositionAtTop);
    for (int i = 0; i < Schnittliste->count(); ++i)
        if (kSchnitte[i].fett == schrift.Fett && kSchnitte[i].kursiv == schrift.Kursiv)
            Schnittliste->setCurrentRow(i);
    const auto groesse =
        Groessenliste->findItems(QString::number(schrift.Groesse), Qt::MatchExactly);
    Groessenliste->setCurrentItem(groesse.isEmpty() ? nullptr : groesse.front());
    Durchgestrichen->setChecked(schrift.Durchgestrichen);
    Unterstrichen->setChecked(schrift.Unterstrichen);
    Farbe->setCurrentIndex(farbeAuswaehlen(schrift.Farbe));
    m_setzt = false;
    anzeigen(nullptr);
}

void TSchriftDialog::setzeMuster(const QString& text) {
    Muster->setText(text);
}

void TSchriftDialog::nameGetippt(const QString& text) {
    // Typing picks the first face that begins with the text; the text itself stays as typed.
    const auto treffer = Schriftliste->findItems(text, Qt::MatchStartsWith);
    if (text.isEmpty() || treffer.isEmpty())
        return;
    Schriftliste->setCurrentItem(treffer.front());
    Schriftliste->scrollToItem(treffer.front());
}

void TSchriftDialog::groesseGetippt(const QString& text) {
    if (m_setzt)
        return;
    bool ok = false;
    const int g = text.toInt(&ok);
    if (!ok || g < 1 || g > kMaxGroesse || g == m_schrift.Groesse)
        return;
    m_schrift.Groesse = g;
    {
        const QSignalBlocker sperre(Groessenliste);
        const auto eintrag = Groessenliste->findItems(QString::number(g), Qt::MatchExactly);
        Groessenliste->setCurrentItem(eintrag.isEmpty() ? nullptr : eintrag.front());
    }
    anzeigen(Groesse->hasFocus() ? Groesse : nullptr);
    emit geaendert();
}

void TSchriftDialog::auswahlUebernehmen() {
    if (m_setzt)
        return;
    TSchriftDaten s = m_schrift;
    if (Schriftliste->currentItem())
        s.Name = Schriftliste->currentItem()->text();
    if (const int i = Schnittliste->currentRow(); i >= 0) {
        s.Fett = kSchnitte[i].fett;
        s.Kursiv = kSchnitte[i].kursiv;
    }
    s.Durchgestrichen = Durchgestrichen->isChecked();
    s.Unterstrichen = Unterstrichen->isChecked();
    s.Farbe = Farbe->currentData().toUInt();
    if (s == m_schrift)
        return;
    m_schrift = s;
    anzeigen(Schriftname->hasFocus() ? Schriftname : nullptr);
    emit geaendert();
}

// The edit fields and the sample follow the chosen font; the field being typed in keeps its text.
void TSchriftDialog::anzeigen(const QLineEdit* ausser) {
    if (Schriftliste->currentItem() && ausser != Schriftname)
        Schriftname->setText(Schriftliste->currentItem()->text());
    if (Schnittliste->currentItem())
        Schnittname->setText(Schnittliste->currentItem()->text());
    if (ausser != Groesse)
        Groesse->setText(QString::number(m_schrift.Groesse));
    Muster->setFont(TSchriftUmwandlung::schrift(m_schrift));
    QPalette p = Muster->palette();
    p.setColor(QPalette::WindowText, TSchriftUmwandlung::farbe(m_schrift.Farbe));
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    Muster->setPalette(p);
}
