#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's general container: an ordered list of text lines, read from and written to a
// Windows-1252 text file whole. CR LF, a lone CR and a lone LF each end a line; a NUL byte ends
// the text; a final line end adds no empty line. Every written line is followed by CR LF.
class TStrHolder {
public:
    static QStringList ausBytes(const QByteArray& bytes);
    // Fails (and returns an empty array) when a line holds a character the code page lacks.
    static QByteArray inBytes(const QStringList& zeilen, bool* ok = nullptr);

    // False when the file cannot be opened or read; `zeilen` is then left empty.
    static bool laden(const QString& pfad, QStringList& zeilen);
    // Writes through a temporary file: a failed write leaves the old file intact.
    static bool speichern(const QString& pfad, const QStringList& zeilen);
};
