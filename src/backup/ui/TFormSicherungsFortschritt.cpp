#include "backup/ui/TFormSicherungsFortschritt.h"

#include "shell/ui/TBauteile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace {
// Often enough for the cancel button to answer at once, seldom enough to cost nothing.
constexpr qint64 kZeichnenAlleMs = 40;
} // namespace

TFormSicherungsFortschritt::TFormSicherungsFortschritt(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormSicherungsFortschritt"));
    setWindowTitle(QStringLiteral("Lektionen sichern ..."));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(400, 130);
    setFont(TBauteile::schrift(QStringLiteral("MS Sans Serif"), 11));

    DateiLabel = new QLabel(this);
    DateiLabel->setObjectName(QStringLiteral("DateiLabel"));
    DateiLabel->setTextFormat(Qt::PlainText);
    DateiLabel->setGeometry(12, 10, 376, 18);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setGeometry(12, 34, 376, 20);
    Fortschritt->setRange(0, 1000);
    Fortschritt->setTextVisible(false);
    StandLabel = new QLabel(this);
    StandLabel->setObjectName(QStringLiteral("StandLabel"));
    StandLabel->setTextFormat(Qt::PlainText);
    StandLabel->setGeometry(12, 60, 376, 18);
    AbbrechenBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    AbbrechenBtn->setGeometry(155, 92, 90, 25);
    AbbrechenBtn->setToolTip(QStringLiteral("Vorgang abbrechen"));
    connect(AbbrechenBtn, &QPushButton::clicked, this, &TFormSicherungsFortschritt::reject);
}

QString TFormSicherungsFortschritt::standText(int fertig, int dateien, qint64 bytes,
                                              qint64 gesamt) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("%1 von %2 Dateien, %3 von %4 Bytes")
        .arg(deutsch.toString(fertig), deutsch.toString(dateien), deutsch.toString(bytes),
             deutsch.toString(gesamt));
}

void TFormSicherungsFortschritt::beginnen(int dateien, qint64 bytes) {
    m_dateien = dateien;
    m_gesamt = bytes;
    m_abgebrochen = false;
    DateiLabel->clear();
    StandLabel->setText(standText(0, dateien, 0, bytes));
    Fortschritt->setValue(0);
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    show();
    m_seitZeichnen.invalidate();
}

bool TFormSicherungsFortschritt::stand(int fertig, qint64 bytes, const QString& datei) {
    if (m_seitZeichnen.isValid() && m_seitZeichnen.elapsed() < kZeichnenAlleMs)
        return !m_abgebrochen;
    m_seitZeichnen.start();
    DateiLabel->setText(datei.isEmpty() ? QString() : QStringLiteral("Kopiere ") + datei);
    StandLabel->setText(standText(fertig, m_dateien, bytes, m_gesamt));
    // By bytes, so that one large file moves the bar too; by files when all are empty.
    const double anteil = m_gesamt > 0    ? double(bytes) / double(m_gesamt)
                          : m_dateien > 0 ? double(fertig) / m_dateien
                                          : 1.0;
    Fortschritt->setValue(int(anteil * 1000));
    QCoreApplication::processEvents();
    return !m_abgebrochen;
}

void TFormSicherungsFortschritt::beenden() {
    hide();
}

void TFormSicherungsFortschritt::reject() {
    // Only noted here; the copy stops at its next block and cleans up itself.
    m_abgebrochen = true;
}

void TFormSicherungsFortschritt::closeEvent(QCloseEvent* ereignis) {
    m_abgebrochen = true;
    ereignis->ignore();
}
