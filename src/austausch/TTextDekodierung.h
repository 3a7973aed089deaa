#pragma once

#include <QByteArray>
#include <QString>

enum class TKodierung { Utf8, Utf16LE, Utf16BE, Windows1252 };

// Text files from other programs: UTF-8 or UTF-16 by their byte-order mark, or detected
// (UTF-16 by its zero bytes, UTF-8 by being valid); anything else is read as Windows-1252.
class TTextDekodierung {
public:
    static QString dekodieren(const QByteArray& bytes, TKodierung* erkannt = nullptr);
    static TKodierung erkennen(const QByteArray& bytes);
};
