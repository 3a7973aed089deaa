#include "backup/ui/TFormBackup.h"

#include "backup/TDatensicherung.h"
#include "backup/ui/TFormSicherungsFortschritt.h"
#include "lessons/TAnredeText.h"
#include "shell/IMeldungen.h"
#include "shell/TFensterLage.h"
#include "shell/TTexte.h"
#include "shell/ui/TBauteile.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kBreite = 536;
constexpr int kHoehe = 168;
// The designed group holds three options; each further one makes the window taller.
constexpr int kOptionenPlatz = 3;
constexpr int kOptionHoehe = 17;

constexpr TAnredeText kOrdnerHinweis = {
    "Wählen Sie den Ordner, in den die Lektionen gesichert werden sollen.",
    "Wähle den Ordner, in den die Lektionen gesichert werden sollen."};

} // namespace

TFormBackup::TFormBackup(IMeldungen& meldungen, int anredeIndex, const QString& lektionsVerzeichnis,
                         const QList<TSicherungsZiel>& medien, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_meldungen(meldungen), m_anrede(anredeIndex), m_lektionsVerzeichnis(lektionsVerzeichnis),
      m_medien(medien) {
    setObjectName(QStringLiteral("FormBackup"));
    setWindowTitle(QStringLiteral("Lektionen sichern ..."));
    setFont(TBauteile::schrift(QStringLiteral("MS Sans Serif"), 11));

    const int optionen = int(m_medien.size()) + 1;
    const int mehr = std::max(0, optionen - kOptionenPlatz) * kOptionHoehe;
    setFixedSize(kBreite, kHoehe + mehr);

    RadioGroupTarget =
        TBauteile::gruppe(this, "RadioGroupTarget", QStringLiteral("Ziel für die Sicherungskopie"),
                          QRect(8, 8, 517, 73 + mehr));
    RadioGroupTarget->setToolTip(
        QStringLiteral("Wohin sollen die Datenbankdateien als Sicherheitskopie kopiert werden?"));
    for (int i = 0; i < optionen; ++i) {
        const bool ordner = i == optionen - 1;
        // A medium's name is shown as it is: an "&" in it is no shortcut.
        auto* o = new QRadioButton(
            ordner ? QStringLiteral("Anderer &Ordner ...")
                   : m_medien.at(i).beschriftung().replace(QLatin1Char('&'), QStringLiteral("&&")),
            RadioGroupTarget);
        o->setObjectName(ordner ? QStringLiteral("ZielOrdner")
                                : QStringLiteral("ZielMedium%1").arg(i + 1));
        o->setGeometry(8, 20 + i * kOptionHoehe, 500, 17);
        m_zielOptionen.append(o);
    }
    // The first medium when there is one.
    m_zielOptionen.constFirst()->setChecked(true);

    BitBtnStart = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                  QStringLiteral("OK"), this);
    BitBtnStart->setObjectName(QStringLiteral("BitBtnStart"));
    BitBtnStart->setGeometry(144, 100 + mehr, 90, 25);
    BitBtnStart->setToolTip(QStringLiteral("Datensicherung starten"));
    BitBtnStart->setDefault(true);
    BitBtnStart->setAutoDefault(true);
    connect(BitBtnStart, &QPushButton::clicked, this, &TFormBackup::BitBtnStartClick);

    BitBtnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("Abbrechen"), this);
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
    BitBtnCancel->setGeometry(324, 100 + mehr, 90, 25);
    BitBtnCancel->setToolTip(QStringLiteral("Vorgang abbrechen"));
    BitBtnCancel->setAutoDefault(false);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TFormBackup::BitBtnCancelClick);

    StatusBarPath = new QLabel(this);
    StatusBarPath->setObjectName(QStringLiteral("StatusBarPath"));
    StatusBarPath->setTextFormat(Qt::PlainText);
    StatusBarPath->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBarPath->setGeometry(0, 143 + mehr, kBreite, 25);
    StatusBarPath->setIndent(4);
    FormCreate();
}

void TFormBackup::FormCreate() {
    StatusBarPath->setText(QStringLiteral("Lektions-Verzeichnis ist %1")
                               .arg(QDir::toNativeSeparators(m_lektionsVerzeichnis)));
    m_quellMuster = QDir::toNativeSeparators(
        TDatensicherung::quellMuster(m_lektionsVerzeichnis, QLatin1Char('/')));
}

void TFormBackup::FormShow(const QRect& hauptFensterRahmen) {
    move(TFensterLage::zentriert(hauptFensterRahmen, frameGeometry().size()));
}

TSicherungsZiel TFormBackup::zielBestimmen() {
    for (int i = 0; i < m_medien.size(); ++i)
        if (m_zielOptionen.at(i)->isChecked())
            return m_medien.at(i);
    const QString ordner =
        m_meldungen.ordnerWaehlen(QStringLiteral("Ziel für die Sicherungskopie"),
                                  kOrdnerHinweis.text(m_anrede), QDir::homePath());
    if (ordner.isEmpty())
        return {};
    const QString pfad = TDatensicherung::verbinden(QDir::fromNativeSeparators(ordner), {});
    return {QDir::toNativeSeparators(pfad), pfad};
}

void TFormBackup::BitBtnStartClick() {
    const TSicherungsZiel ziel = zielBestimmen();
    if (ziel.pfad.isEmpty())
        return;
    BitBtnStart->setEnabled(false);
    BitBtnCancel->setEnabled(false);
    TFormSicherungsFortschritt fortschritt(this);
    const auto ergebnis =
        TDatensicherung(m_meldungen, m_anrede)
            .sichern(m_lektionsVerzeichnis, ziel.pfad, &fortschritt, ziel.einhaengepunkt);
    if (ergebnis == TDatensicherung::Ergebnis::Gesichert)
        m_meldungen.meldung(
            TMeldungsArt::Schlicht, TTexte::kurzTitel(),
            TDatensicherung::erfolgsMeldung(m_quellMuster, QDir::toNativeSeparators(ziel.pfad)));
    BitBtnStart->setEnabled(true);
    BitBtnCancel->setEnabled(true);
    accept();
}

void TFormBackup::BitBtnCancelClick() {
    reject();
}
