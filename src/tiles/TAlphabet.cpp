#include "tiles/TAlphabet.h"

#include <array>

namespace {

QString zeichen(int code) {
    return QString(QChar(code));
}

const std::array<const char16_t*, 26> kFeste = {
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u",", u".", u"-",
    u"Ä", u"Ö", u"Ü", u"ä", u"ö", u"ü", u"ß", u" ", u"+", u"=", u"(", u")", u":"};

} // namespace

QStringList TAlphabet::aufsteigend() {
    QStringList liste;
    for (int n = 1; n <= 26; ++n)
        liste.append(zeichen(64 + n));
    for (int n = 27; n <= 52; ++n)
        liste.append(zeichen(70 + n));
    return liste;
}

QStringList TAlphabet::absteigend() {
    QStringList liste;
    for (int n = 1; n <= 26; ++n)
        liste.append(zeichen(91 - n));
    for (int n = 27; n <= 52; ++n)
        liste.append(zeichen(149 - n));
    return liste;
}

QString TAlphabet::festeBeschriftung(int n) {
    if (n < 53 || n > 78)
        return {};
    return QString::fromUtf16(kFeste[n - 53]);
}
