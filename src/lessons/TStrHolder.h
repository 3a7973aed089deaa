#pragma once

#include "shell/IMeldungen.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The program's general container: an ordered list of text lines, read from and written to a
// Windows-1252 text file whole. CR LF, a lone CR and a lone LF each end a line; a NUL byte ends
// the text; a final line end adds no empty line. Every written line is followed by CR LF.
//
// speichern() is the one way the program writes a file. Before it first replaces a file whose
// bytes hold a NUL (whatever follows the NUL was never read and would be lost), it keeps the old
// bytes beside it as "<name>.original" ("<name>.original2", ... when taken), once per file and
// run; neueSicherungen() tells the windows about those copies.
class TStrHolder {
public:
    static QStringList ausBytes(const QByteArray& bytes);
    // Fails (and returns an empty array) when a line holds a character the code page lacks.
    static QByteArray inBytes(const QStringList& zeilen, bool* ok = nullptr);

    // False when the file cannot be opened or read; `zeilen` is then left empty.
    static bool laden(const QString& pfad, QStringList& zeilen);
    // Writes through a temporary file that replaces the old one only when every byte reached
    // the disk: a failed write (full or write-protected disk, a directory in the way, a copy of
    // damaged bytes that cannot be made) returns false and leaves the old file byte for byte.
    static bool speichern(const QString& pfad, const QStringList& zeilen);
    static bool bytesSpeichern(const QString& pfad, const QByteArray& bytes);

    // Copies a file of any size byte for byte, block by block, with the same guarantee: the
    // target is replaced only when the whole copy reached the disk, and is otherwise left as
    // it was with no temporary file beside it. `weiter` hears the bytes copied so far after
    // each block; when it returns false the copy stops. The modification time is kept.
    enum class KopierErgebnis { Fertig, NichtLesbar, NichtSchreibbar, Abgebrochen };
    static KopierErgebnis dateiKopieren(const QString& quelle, const QString& ziel,
                                        const std::function<bool(qint64)>& weiter = {});

    // The copies of damaged files made since the last call; the list is then cleared.
    static QStringList neueSicherungen();
    // The information text for one such copy.
    static QString sicherungsMeldung(const QString& kopie);
    // One information box for each such copy since the last call.
    static void sicherungenMelden(IMeldungen& meldungen);
};
