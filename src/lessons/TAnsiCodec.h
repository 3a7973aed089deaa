#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// Windows-1252, one byte a character. Decoding is lossless for all 256 byte values: the five
// bytes the code page leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) become the C1 controls of
// the same number, and encoding maps them back.
class TAnsiCodec {
public:
    static QString dekodieren(const char* daten, qsizetype laenge);
    // The character of every byte value, for decoders that fill their own buffers.
    static const std::array<char16_t, 256>& tabelle();
    static QString dekodieren(const QByteArray& bytes) {
        return dekodieren(bytes.constData(), bytes.size());
    }
    // Characters outside the code page become '?' and set *ok to false.
    static QByteArray kodieren(const QString& text, bool* ok = nullptr);
    static bool darstellbar(QChar zeichen);
    static bool darstellbar(const QString& text);
    // The text with every character the code page lacks replaced by '?', for texts (paths from
    // the file system, names) that are only recorded, so that recording them never fails.
    static QString ersetzen(const QString& text);
    // The byte for a character, or -1 when the code page cannot store it.
    static int byteFuer(QChar zeichen);
};
