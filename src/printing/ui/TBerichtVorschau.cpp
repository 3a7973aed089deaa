#include "printing/ui/TBerichtVorschau.h"

#include "lessons/TStrHolder.h"
#include "printing/TFertigerBericht.h"
#include "printing/ui/TBerichtMaler.h"
#include "printing/ui/TBerichtPdf.h"
#include "shell/IMeldungen.h"
#include "shell/TTexte.h"
#include "shell/ui/IModalDialoge.h"

#include <QAction>
#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

TBerichtVorschau::TBerichtVorschau(IModalDialoge& dialoge, IMeldungen& meldungen, QWidget* eltern)
    : m_dialoge(dialoge), m_meldungen(meldungen), m_eltern(eltern) {}

void TBerichtVorschau::zeigen(const TFertigerBericht& bericht) {
    QPrinter drucker(QPrinter::HighResolution);
    // A4 portrait on the whole printable area of the printer.
    drucker.setFullPage(false);
    drucker.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    drucker.setDocName(bericht.titel().trimmed());

    vorschauZeigen(
        drucker, bericht.titel(),
        [&bericht](QPrinter* p) { TBerichtMaler::allesMalen(*p, bericht); },
        [this, &bericht] { pdfSpeichern(bericht); });
}

void TBerichtVorschau::vorschauZeigen(QPrinter& drucker, const QString& titel,
                                      const std::function<void(QPrinter*)>& malen,
                                      const std::function<void()>& pdfAusgabe) {
    QPrintPreviewDialog dialog(&drucker, m_eltern);
    dialog.setObjectName(QStringLiteral("Druckvorschau"));
    dialog.setWindowTitle(titel);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, malen);
    if (QToolBar* leiste = dialog.findChild<QToolBar*>()) {
        leiste->addSeparator();
        QAction* pdf = leiste->addAction(QStringLiteral("Als PDF speichern..."));
        pdf->setObjectName(QStringLiteral("PdfSpeichern"));
        pdf->setToolTip(QStringLiteral("Speichert den Ausdruck als PDF-Datei."));
        QObject::connect(pdf, &QAction::triggered, &dialog, pdfAusgabe);
        QAction* schliessen = leiste->addAction(QStringLiteral("Schließen"));
        schliessen->setObjectName(QStringLiteral("VorschauSchliessen"));
        QObject::connect(schliessen, &QAction::triggered, &dialog, &QDialog::accept);
    }
    if (auto* ansicht = dialog.findChild<QPrintPreviewWidget*>())
        ansicht->setZoomMode(QPrintPreviewWidget::FitInView);
    // Tall enough that a whole page is readable, wide enough for every tool; on the screen.
    QSize groesse(900, 940);
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(schirm->availableGeometry().size() - QSize(40, 60));
    dialog.resize(groesse);
    m_dialoge.ausfuehren(dialog);
}

void TBerichtVorschau::pdfSpeichern(const TFertigerBericht& bericht) {
    TDateiDialog wahl;
    wahl.filter = QStringLiteral("PDF-Dateien  (*.pdf)|*.pdf");
    wahl.vorgabeName = bericht.titel().trimmed() + QStringLiteral(".pdf");
    wahl.standardEndung = QStringLiteral("*.pdf");
    const QString pfad = m_meldungen.dateiSpeichern(wahl);
    if (pfad.isEmpty())
        return;
    const bool gespeichert = TBerichtPdf::speichern(bericht, pfad);
    for (const QString& kopie : TStrHolder::neueSicherungen())
        m_meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                            TStrHolder::sicherungsMeldung(kopie));
    if (!gespeichert)
        m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(),
                            QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
}

void TBerichtVorschau::grafikZeigen(const QString& titel, const TGrafikMaler& malen) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(false);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    drucker.setDocName(titel);
    vorschauZeigen(
        drucker, titel,
        [&malen](QPrinter* p) {
            QPainter maler(p);
            malen(maler, QRectF(0, 0, p->width(), p->height()));
        },
        [this, &titel, &malen] { grafikPdfSpeichern(titel, malen); });
}

void TBerichtVorschau::grafikPdfSpeichern(const QString& titel, const TGrafikMaler& malen) {
    TDateiDialog wahl;
    wahl.filter = QStringLiteral("PDF-Dateien  (*.pdf)|*.pdf");
    wahl.vorgabeName = titel + QStringLiteral(".pdf");
    wahl.standardEndung = QStringLiteral("*.pdf");
    const QString pfad = m_meldungen.dateiSpeichern(wahl);
    if (pfad.isEmpty())
        return;
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(96);
        pdf.setTitle(titel);
        pdf.setCreator(TTexte::kurzTitel().trimmed());
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter maler(&pdf);
        malen(maler, QRectF(0, 0, pdf.width(), pdf.height()));
    }
    const bool gespeichert = !bytes.isEmpty() && TStrHolder::bytesSpeichern(pfad, bytes);
    TStrHolder::sicherungenMelden(m_meldungen);
    if (!gespeichert)
        m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(),
                            QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
}
