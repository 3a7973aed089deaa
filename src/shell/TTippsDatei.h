#pragma once

#include "shell/TIniDokument.h"

#include <QString>
#include <optional>

// The tips file: which tip comes next and whether the tips window opens at start. The file is
// read once, at the first question; every change is written to it at once, so the place in the
// tips survives the program.
class TTippsDatei {
public:
    // An empty path: there is no tips file; nothing is read or written.
    explicit TTippsDatei(const QString& pfad);

    // Where the tips file of this run lies: "drilla3.tip" beside the program, empty when there
    // is none. In network mode with a program directory the user cannot write (an installed
    // program, a read-only share) the place in the tips could never be kept, so each user gets a
    // copy of their own in `datenVerzeichnis`, made at the first start and used from then on.
    static QString ermitteln(const QString& programmVerzeichnis, const QString& datenVerzeichnis,
                             bool netzwerkmodus);

    bool vorhanden() const { return !m_pfad.isEmpty(); }
    const QString& pfad() const { return m_pfad; }

    // The start-up check reads a missing value as "no".
    bool ZeigenBeimStart() const;
    // The check box reads a missing value as "yes", but is clear without a file.
    bool Kontrollkaestchen() const;
    // False when the file could not be written; without a file nothing is written.
    bool SetzeZeigenBeimStart(bool zeigen);
    // Shows tip "NextTip" (or tip 1 when there is none of that number) and moves on by one.
    // `geschrieben` is false when the new place could not be stored.
    QString NaechsterTipp(bool* geschrieben = nullptr);

private:
    TIniDokument& dokument() const;
    bool speichern(bool gesetzt);

    QString m_pfad;
    mutable std::optional<TIniDokument> m_dokument;
};
