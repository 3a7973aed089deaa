// Draws the program's pictures and writes the resource file that embeds them.
// Called by the build as `bilder_zeichnen <outdir> <icon.png>` on the offscreen platform; the
// application's icon is the committed PNG, decoded here once instead of at every start.
//
// Each picture is stored as its raw premultiplied RGBA bytes, size * size * 4 of them: the
// program takes them as they are, pixel for pixel what the drawing made, with no decoder and
// no image plugin to load at start-up. The resource compiler compresses them.
#include "TBilderZeichnung.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

// The picture's rows, premultiplied RGBA, without padding.
QByteArray rohdaten(const QImage& bild) {
    const QImage rgba = bild.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QByteArray daten;
    for (int zeile = 0; zeile < rgba.height(); ++zeile)
        daten.append(reinterpret_cast<const char*>(rgba.constScanLine(zeile)),
                     qsizetype(rgba.width()) * 4);
    return daten;
}

bool schreiben(const QString& pfad, const QByteArray& daten) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
        !datei.commit()) {
        std::fprintf(stderr, "bilder_zeichnen: %s kann nicht geschrieben werden\n",
                     qPrintable(pfad));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication anwendung(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: bilder_zeichnen <Ausgabeordner> <Programmsymbol.png>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    if (!ziel.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "bilder_zeichnen: %s kann nicht angelegt werden\n", argv[1]);
        return 1;
    }
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/bilder\">\n";
    for (const TBildVorlage& vorlage : TBilderZeichnung::vorlagen()) {
        for (int groesse : vorlage.groessen) {
            const QImage bild = TBilderZeichnung::zeichnen(vorlage.name, groesse);
            if (bild.isNull() || bild.width() != groesse || bild.height() != groesse) {
                std::fprintf(stderr, "bilder_zeichnen: %s in %d px fehlt\n",
                             qPrintable(vorlage.name), groesse);
                return 1;
            }
            const QString datei = QStringLiteral("%1-%2.rgba").arg(vorlage.name).arg(groesse);
            if (!schreiben(ziel.filePath(datei), rohdaten(bild)))
                return 1;
            qrc += "  <file>" + datei.toUtf8() + "</file>\n";
        }
    }
    const QImage symbol(QString::fromLocal8Bit(argv[2]));
    if (symbol.isNull() || symbol.width() != symbol.height()) {
        std::fprintf(stderr, "bilder_zeichnen: %s ist kein quadratisches Bild\n", argv[2]);
        return 1;
    }
    const QString datei = QStringLiteral("drilla-%1.rgba").arg(symbol.width());
    if (!schreiben(ziel.filePath(datei), rohdaten(symbol)))
        return 1;
    qrc += "  <file>" + datei.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    return schreiben(ziel.filePath(QStringLiteral("bilder.qrc")), qrc) ? 0 : 1;
}
