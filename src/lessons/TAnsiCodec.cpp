#include "lessons/TAnsiCodec.h"

#include <array>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; undefined bytes map onto themselves.
constexpr std::array<char16_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> tabelleBauen() {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = (b >= 0x80 && b <= 0x9F) ? kObereSteuerzeichen[b - 0x80] : char16_t(b);
    return t;
}

constexpr std::array<char16_t, 256> kTabelle = tabelleBauen();

} // namespace

const std::array<char16_t, 256>& TAnsiCodec::tabelle() {
    return kTabelle;
}

QString TAnsiCodec::dekodieren(const char* daten, qsizetype laenge) {
    QString text(laenge, Qt::Uninitialized);
    char16_t* ziel = text.data_ptr().data();
    for (qsizetype i = 0; i < laenge; ++i)
        ziel[i] = kTabelle[static_cast<unsigned char>(daten[i])];
    return text;
}

int TAnsiCodec::byteFuer(QChar zeichen) {
    const char16_t c = zeichen.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kObereSteuerzeichen[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool TAnsiCodec::darstellbar(QChar zeichen) {
    return byteFuer(zeichen) >= 0;
}

bool TAnsiCodec::darstellbar(const QString& text) {
    for (QChar c : text) {
        if (!darstellbar(c))
            return false;
    }
    return true;
}

QByteArray TAnsiCodec::kodieren(const QString& text, bool* ok) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* ziel = bytes.data();
    bool alles = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            ziel[i] = static_cast<char>(c);
            continue;
        }
        const int b = byteFuer(text.at(i));
        if (b < 0) {
            alles = false;
            ziel[i] = '?';
        } else {
            ziel[i] = static_cast<char>(b);
        }
    }
    if (ok)
        *ok = alles;
    return bytes;
}

QString TAnsiCodec::ersetzen(const QString& text) {
    QString ergebnis = text;
    for (QChar& c : ergebnis) {
        if (!darstellbar(c))
            c = QLatin1Char('?');
    }
    return ergebnis;
}
