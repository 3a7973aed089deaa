// The module's entry: the print preview and the progress chart.
#include "shell/berichtmodul/IBerichtModul.h"
#include "shell/berichtmodul/TFortschrittsDiagramm.h"
#include "shell/ui/IModalDialoge.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace {

class TBerichtModul : public IBerichtModul {
public:
    void vorschauZeigen(IModalDialoge& dialoge, QWidget* eltern,
                        const TVorschauAuftrag& auftrag) override {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setFullPage(false);
        drucker.setPageLayout(auftrag.seite);
        drucker.setDocName(auftrag.dokument);

        QPrintPreviewDialog dialog(&drucker, eltern);
        dialog.setObjectName(QStringLiteral("Druckvorschau"));
        dialog.setWindowTitle(auftrag.titel);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&auftrag](QPrinter* p) { auftrag.malen(*p); });
        if (QToolBar* leiste = dialog.findChild<QToolBar*>()) {
            leiste->addSeparator();
            QAction* pdf = leiste->addAction(QStringLiteral("Als PDF speichern..."));
            pdf->setObjectName(QStringLiteral("PdfSpeichern"));
            pdf->setToolTip(QStringLiteral("Speichert den Ausdruck als PDF-Datei."));
            QObject::connect(pdf, &QAction::triggered, &dialog, auftrag.pdf);
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
        dialoge.ausfuehren(dialog);
    }

    IFortschrittsDiagramm* fortschrittsDiagramm(QWidget* eltern) override {
        return new TFortschrittsDiagramm(eltern);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT IBerichtModul* drillaBerichtmodulErzeugen() {
    return new TBerichtModul;
}
