#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

// The text of a PDF's pages, read back with pdftotext (poppler-utils); a null list when the
// tool is missing or fails.
inline QStringList pdfDateiSeiten(const QString& datei) {
    QProcess prozess;
    prozess.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   datei, QStringLiteral("-")});
    if (!prozess.waitForFinished(60000) || prozess.exitCode() != 0) {
        qWarning("pdftotext failed (poppler-utils installed?): %s",
                 prozess.readAllStandardError().constData());
        return {};
    }
    QStringList seiten =
        QString::fromUtf8(prozess.readAllStandardOutput()).split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed.
    if (!seiten.isEmpty() && seiten.constLast().trimmed().isEmpty())
        seiten.removeLast();
    return seiten;
}

inline QStringList pdfSeiten(const QByteArray& pdf) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bericht.pdf"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    f.close();
    return pdfDateiSeiten(datei);
}
