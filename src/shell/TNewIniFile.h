#pragma once

#include <QString>
#include <optional>
#include <utility>

// A settings file of sections and "key=value" lines in Windows-1252. Section and key names are
// compared without regard to case. Every call goes to the file itself, so several objects on the
// same path always agree. A write rewrites the whole file through a temporary file: it either
// lands completely or leaves the old file as it was. To read or change many keys, use
// TIniDokument, which reads the file once and writes it once.
class TNewIniFile {
public:
    static constexpr qsizetype kMaxWertLaenge = 2047;

    explicit TNewIniFile(QString pfad) : m_pfad(std::move(pfad)) {}

    const QString& pfad() const { return m_pfad; }

    // The value without leading and trailing blanks, cut to kMaxWertLaenge characters; a missing
    // file, section or key gives `vorgabe`. A key with nothing after "=" gives an empty text.
    QString textLesen(const QString& abschnitt, const QString& schluessel,
                      const QString& vorgabe) const;
    // Decimal, or hexadecimal after "0x"/"0X"; text that is no number gives `vorgabe`.
    int zahlLesen(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    // Any non-zero number is true.
    bool boolLesen(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    // False when the file could not be written; it is then unchanged. What could not be read back
    // fails too: an empty name, a line break or NUL anywhere, "=" in a key or "[" opening it, "]"
    // in a section, and values wertSpeicherbar refuses.
    [[nodiscard]] bool textSchreiben(const QString& abschnitt, const QString& schluessel,
                                     const QString& wert);
    [[nodiscard]] bool zahlSchreiben(const QString& abschnitt, const QString& schluessel, int wert);
    // Written as "1" or "0".
    [[nodiscard]] bool boolSchreiben(const QString& abschnitt, const QString& schluessel,
                                     bool wert);

    // The number a value stands for: an optional sign, then decimal digits within int, or "0x"
    // and hex digits up to FFFFFFFF taken as a 32-bit pattern (0xFFFFFFFF is -1).
    static std::optional<int> zahlAusText(QStringView text);

    // True when `wert` would read back exactly as written: no line break or NUL, no blank or tab
    // at either end, at most kMaxWertLaenge characters, only characters Windows-1252 has.
    static bool wertSpeicherbar(QStringView wert);

    // Only blanks and tabs count: QString::trimmed() would also eat byte 0xA0 (no-break space).
    static bool istBlank(QChar c);
    static QStringView ohneBlanks(QStringView text);
    // For values the program makes itself (paths, captions): characters Windows-1252 lacks and
    // line breaks become "?", blanks and tabs at the ends go, and the value is cut to
    // kMaxWertLaenge, so that the result is always storable.
    static QString speicherbarMachen(const QString& wert);

    // Every write is committed to the disk before it returns, so nothing is ever pending here;
    // kept so that callers can state where the file must be complete.
    static void IniDateiSchreiben(const QString& pfad);

private:
    QString m_pfad;
};
