#include "austausch/TTextDekodierung.h"

#include "lessons/TAnsiCodec.h"

#include <QStringDecoder>

namespace {

bool beginntMit(const QByteArray& b, std::initializer_list<unsigned char> marke) {
    if (b.size() < qsizetype(marke.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char c : marke)
        if (static_cast<unsigned char>(b.at(i++)) != c)
            return false;
    return true;
}

QString utf16(const QByteArray& b, qsizetype ab, bool le) {
    QString text;
    text.reserve((b.size() - ab) / 2);
    for (qsizetype i = ab; i + 1 < b.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(b.at(le ? i : i + 1));
        const auto hi = static_cast<unsigned char>(b.at(le ? i + 1 : i));
        text.append(QChar(char16_t(hi << 8 | lo)));
    }
    // An odd last byte cannot be a character: it is dropped as a damaged end.
    // Unpaired surrogates would not survive later encoding; they become U+FFFD.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

TKodierung TTextDekodierung::erkennen(const QByteArray& b) {
    if (beginntMit(b, {0xEF, 0xBB, 0xBF}))
        return TKodierung::Utf8;
    if (beginntMit(b, {0xFF, 0xFE}))
        return TKodierung::Utf16LE;
    if (beginntMit(b, {0xFE, 0xFF}))
        return TKodierung::Utf16BE;
    // Text in UTF-16 without a mark: Latin letters leave every other byte zero.
    const qsizetype probe = std::min<qsizetype>(b.size(), 4096) & ~qsizetype(1);
    qsizetype nullGerade = 0, nullUngerade = 0;
    for (qsizetype i = 0; i < probe; ++i)
        if (b.at(i) == 0)
            ++(i % 2 == 0 ? nullGerade : nullUngerade);
    if (probe >= 2) {
        if (nullUngerade * 3 > probe / 2 && nullGerade == 0)
            return TKodierung::Utf16LE;
        if (nullGerade * 3 > probe / 2 && nullUngerade == 0)
            return TKodierung::Utf16BE;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probeText = utf8.decode(b);
    Q_UNUSED(probeText);
    if (!utf8.hasError())
        return TKodierung::Utf8;
    return TKodierung::Windows1252;
}

QString TTextDekodierung::dekodieren(const QByteArray& b, TKodierung* erkannt) {
    const TKodierung k = erkennen(b);
    if (erkannt)
        *erkannt = k;
    switch (k) {
    case TKodierung::Utf8: {
        const qsizetype ab = beginntMit(b, {0xEF, 0xBB, 0xBF}) ? 3 : 0;
        return QString::fromUtf8(b.constData() + ab, b.size() - ab);
    }
    case TKodierung::Utf16LE:
        return utf16(b, beginntMit(b, {0xFF, 0xFE}) ? 2 : 0, true);
    case TKodierung::Utf16BE:
        return utf16(b, beginntMit(b, {0xFE, 0xFF}) ? 2 : 0, false);
    case TKodierung::Windows1252:
        break;
    }
    return TAnsiCodec::dekodieren(b);
}
