#include "austausch/ui/TImportWahlDialog.h"

#include "austausch/TCsvTabelle.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TBauteile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kVorschauZeilen = 20;

QDialog* fenster(QWidget* eltern, const QString& titel, QSize groesse) {
    auto* d = new QDialog(eltern, TBauteile::kFesterDialog);
    d->setObjectName(QStringLiteral("FormImport"));
    d->setWindowTitle(titel);
    d->setFixedSize(groesse);
    d->setFont(TBauteile::schrift(QStringLiteral("MS Sans Serif"), 11));
    auto* ok = new QPushButton(QStringLiteral("OK"), d);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    ok->setGeometry(groesse.width() - 8 - 2 * 90 - 6, groesse.height() - 36, 90, 28);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), d);
    abbrechen->setObjectName(QStringLiteral("AbbrechenBtn"));
    abbrechen->setGeometry(groesse.width() - 8 - 90, groesse.height() - 36, 90, 28);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    QObject::connect(abbrechen, &QPushButton::clicked, d, &QDialog::reject);
    return d;
}

QComboBox* auswahl(QDialog* d, const char* name, const QRect& ort) {
    auto* c = new QComboBox(d);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(ort);
    return c;
}

} // namespace

TImportWahlDialog::TImportWahlDialog(IModalDialoge& dialoge, QWidget* eltern)
    : m_dialoge(dialoge), m_eltern(eltern) {}

bool TImportWahlDialog::csvWaehlen(const QString& text, TCsvWahl& wahl) {
    std::unique_ptr<QDialog> d(
        fenster(m_eltern, QStringLiteral("Lektion importieren"), QSize(620, 420)));
    const QFont f = d->font();
    TBauteile::etikett(d.get(), "TrennerLabel", QStringLiteral("Trennzeichen:"),
                       QRect(8, 12, 100, 20), f);
    QComboBox* trenner = auswahl(d.get(), "TrennerAuswahl", QRect(110, 8, 140, 24));
    trenner->addItem(QStringLiteral("Komma"), QChar(u','));
    trenner->addItem(QStringLiteral("Semikolon"), QChar(u';'));
    trenner->addItem(QStringLiteral("Tabulator"), QChar(u'\t'));
    trenner->setCurrentIndex(std::max(0, trenner->findData(wahl.trenner)));
    auto* kopf = new QCheckBox(QStringLiteral("Erste Zeile enthält die Spaltennamen"), d.get());
    kopf->setObjectName(QStringLiteral("KopfzeileBox"));
    kopf->setGeometry(270, 8, 340, 24);
    kopf->setChecked(wahl.kopfzeile);
    TBauteile::etikett(d.get(), "AufgabenLabel", QStringLiteral("Aufgabe aus:"),
                       QRect(8, 44, 100, 20), f);
    QComboBox* aufgabe = auswahl(d.get(), "AufgabenSpalte", QRect(110, 40, 190, 24));
    TBauteile::etikett(d.get(), "AntwortLabel", QStringLiteral("Antwort aus:"),
                       QRect(320, 44, 90, 20), f);
    QComboBox* antwort = auswahl(d.get(), "AntwortSpalte", QRect(412, 40, 200, 24));
    auto* vorschau = new QTableWidget(d.get());
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    vorschau->setGeometry(8, 74, 604, 300);
    vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Only the beginning of a large file is shown.
    const QString anfang = text.left(65536);
    int gewaehltA = wahl.aufgabe, gewaehltB = wahl.antwort;
    auto fuellen = [&] {
        const TCsvTabelle t = TCsvTabelle::lesen(anfang, trenner->currentData().toChar());
        const int spalten = int(std::max<qsizetype>(2, t.spalten));
        const QStringList namen = t.zeilen.value(0);
        for (QComboBox* c : {aufgabe, antwort}) {
            const QSignalBlocker sperre(c);
            c->clear();
            for (int s = 0; s < spalten; ++s) {
                QString n = QStringLiteral("Spalte %1").arg(s + 1);
                if (kopf->isChecked() && !namen.value(s).trimmed().isEmpty())
                    n +=
                        QStringLiteral(" (") + namen.value(s).trimmed().left(30) + QLatin1Char(')');
                c->addItem(n);
            }
        }
        aufgabe->setCurrentIndex(std::clamp(gewaehltA, 0, spalten - 1));
        antwort->setCurrentIndex(std::clamp(gewaehltB, 0, spalten - 1));
        const int ab = kopf->isChecked() ? 1 : 0;
        const int zeilen = int(std::min<qsizetype>(kVorschauZeilen, t.zeilen.size() - ab));
        vorschau->clear();
        vorschau->setColumnCount(spalten);
        vorschau->setRowCount(std::max(0, zeilen));
        for (int r = 0; r < zeilen; ++r)
            for (int s = 0; s < t.zeilen.at(r + ab).size() && s < spalten; ++s)
                vorschau->setItem(r, s, new QTableWidgetItem(t.zeilen.at(r + ab).at(s)));
    };
    fuellen();
    QObject::connect(trenner, &QComboBox::currentIndexChanged, d.get(), [&] { fuellen(); });
    QObject::connect(kopf, &QCheckBox::toggled, d.get(), [&] { fuellen(); });
    QObject::connect(aufgabe, &QComboBox::currentIndexChanged, d.get(),
                     [&](int i) { gewaehltA = i; });
    QObject::connect(antwort, &QComboBox::currentIndexChanged, d.get(),
                     [&](int i) { gewaehltB = i; });
    if (m_dialoge.ausfuehren(*d) != QDialog::Accepted)
        return false;
    wahl.trenner = trenner->currentData().toChar();
    wahl.kopfzeile = kopf->isChecked();
    wahl.aufgabe = aufgabe->currentIndex();
    wahl.antwort = antwort->currentIndex();
    return true;
}

bool TImportWahlDialog::kvtmlWaehlen(const TKvtmlDokument& dokument, int& aufgabe, int& antwort) {
    std::unique_ptr<QDialog> d(
        fenster(m_eltern, QStringLiteral("Lektion importieren"), QSize(420, 130)));
    const QFont f = d->font();
    TBauteile::etikett(d.get(), "AufgabenLabel", QStringLiteral("Aufgabe aus:"),
                       QRect(8, 12, 100, 20), f);
    QComboBox* a = auswahl(d.get(), "AufgabenSprache", QRect(110, 8, 300, 24));
    TBauteile::etikett(d.get(), "AntwortLabel", QStringLiteral("Antwort aus:"),
                       QRect(8, 46, 100, 20), f);
    QComboBox* b = auswahl(d.get(), "AntwortSprache", QRect(110, 42, 300, 24));
    QList<TKvtmlDokument::TSprache> sprachen = dokument.sprachen;
    while (sprachen.size() < 2)
        sprachen.append({sprachen.isEmpty() ? 0 : sprachen.last().id + 1,
                         QStringLiteral("(keine Übersetzung)")});
    for (const TKvtmlDokument::TSprache& s : std::as_const(sprachen)) {
        a->addItem(s.name, s.id);
        b->addItem(s.name, s.id);
    }
    a->setCurrentIndex(std::max(0, a->findData(aufgabe)));
    b->setCurrentIndex(std::max(0, b->findData(antwort)));
    if (m_dialoge.ausfuehren(*d) != QDialog::Accepted)
        return false;
    aufgabe = a->currentData().toInt();
    antwort = b->currentData().toInt();
    return true;
}
