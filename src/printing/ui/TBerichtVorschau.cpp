#include "printing/ui/TBerichtVorschau.h"

#include "lessons/TStrHolder.h"
#include "printing/TFertigerBericht.h"
#include "printing/ui/TBerichtMaler.h"
#include "printing/ui/TBerichtPdf.h"
#include "shell/IMeldungen.h"
#include "shell/TTexte.h"
#include "shell/berichtmodul/IBerichtModul.h"
#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TBerichtModulLader.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

TBerichtVorschau::TBerichtVorschau(IModalDialoge& dialoge, IMeldungen& meldungen, QWidget* eltern)
    : m_dialoge(dialoge), m_meldungen(meldungen), m_eltern(eltern) {}

void TBerichtVorschau::zeigen(const TFertigerBericht& bericht) {
    TVorschauAuftrag auftrag;
    auftrag.titel = bericht.titel();
    auftrag.dokument = bericht.titel().trimmed();
    // A4 portrait on the whole printable area of the printer.
    auftrag.seite =
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    auftrag.malen = [&bericht](QPagedPaintDevice& p) { TBerichtMaler::allesMalen(p, bericht); };
    auftrag.pdf = [this, &bericht] { pdfSpeichern(bericht); };
    vorschauZeigen(auftrag);
}

void TBerichtVorschau::vorschauZeigen(const TVorschauAuftrag& auftrag) {
    QString meldung;
    if (IBerichtModul* modul = TBerichtModulLader::modul(&meldung))
        modul->vorschauZeigen(m_dialoge, m_eltern, auftrag);
    else
        m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(), meldung);
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
    TVorschauAuftrag auftrag;
    auftrag.titel = titel;
    auftrag.dokument = titel;
    auftrag.seite = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    auftrag.malen = [&malen](QPagedPaintDevice& p) {
        QPainter maler(&p);
        malen(maler, QRectF(0, 0, p.width(), p.height()));
    };
    auftrag.pdf = [this, &titel, &malen] { grafikPdfSpeichern(titel, malen); };
    vorschauZeigen(auftrag);
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
