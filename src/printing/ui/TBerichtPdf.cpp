#include "printing/ui/TBerichtPdf.h"

#include "lessons/TStrHolder.h"
#include "printing/TFertigerBericht.h"
#include "printing/ui/TBerichtMaler.h"
#include "shell/TTexte.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

QByteArray TBerichtPdf::erzeugen(const TFertigerBericht& bericht) {
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(96);
        pdf.setTitle(bericht.titel().trimmed());
        pdf.setCreator(TTexte::kurzTitel().trimmed());
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        TBerichtMaler::allesMalen(pdf, bericht);
    }
    return bytes;
}

bool TBerichtPdf::speichern(const TFertigerBericht& bericht, const QString& pfad) {
    const QByteArray bytes = erzeugen(bericht);
    return !bytes.isEmpty() && TStrHolder::bytesSpeichern(pfad, bytes);
}
