#pragma once

#include <QByteArray>
#include <QString>

class TFertigerBericht;

// A prepared report as a PDF file of A4 pages.
class TBerichtPdf {
public:
    static QByteArray erzeugen(const TFertigerBericht& bericht);
    // Through the one safe-write path; false when the file cannot be written.
    static bool speichern(const TFertigerBericht& bericht, const QString& pfad);
};
