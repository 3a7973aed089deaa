#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// A settings file held in memory: read once, looked up and changed many times, written once.
// Sections of the same name count as one section and the first line of a key wins; names are
// compared without regard to case. A new key goes after the last non-blank line of the first
// section of its name, a new section at the end of the file. Every other line stays as it was,
// so is the spelling of a replaced key and the spacing up to its value.
class TIniDokument {
public:
    // Reads the file; a missing file is an empty document.
    explicit TIniDokument(QString pfad);

    const QString& pfad() const { return m_pfad; }
    // False when the file exists but could not be read: such a file is never replaced.
    bool lesbar() const { return m_lesbar; }

    // The value without blanks at its ends, cut to TNewIniFile::kMaxWertLaenge characters.
    std::optional<QString> wert(const QString& abschnitt, const QString& schluessel) const;
    QString textLesen(const QString& abschnitt, const QString& schluessel,
                      const QString& vorgabe) const;
    int zahlLesen(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    bool boolLesen(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    // Changes the document only. False, with the document unchanged, for what would not read
    // back as set: invalid names (empty, a line break or NUL, "=" in a key or "[" opening it,
    // "]" in a section) and values TNewIniFile::wertSpeicherbar refuses.
    [[nodiscard]] bool textSetzen(const QString& abschnitt, const QString& schluessel,
                                  const QString& wert);
    [[nodiscard]] bool zahlSetzen(const QString& abschnitt, const QString& schluessel, int wert);
    [[nodiscard]] bool boolSetzen(const QString& abschnitt, const QString& schluessel, bool wert);

    // Writes the whole document in one go through the safe write path; false (file untouched)
    // when the file was unreadable or the write failed.
    [[nodiscard]] bool speichern() const;

    const QStringList& zeilen() const { return m_zeilen; }

private:
    struct TAbschnitt {
        qsizetype einfuegenNach = -1; // last non-blank line of the first section of the name
        QHash<QString, qsizetype> schluessel; // folded key name -> line of its first occurrence
    };

    void indizieren();
    void zeileEinfuegen(qsizetype position, const QString& zeile);

    QString m_pfad;
    bool m_lesbar = true;
    QStringList m_zeilen;
    QHash<QString, TAbschnitt> m_abschnitte; // by folded section name
};
