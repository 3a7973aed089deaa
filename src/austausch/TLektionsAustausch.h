#pragma once

#include "austausch/TCsvTabelle.h"
#include "austausch/TKvtmlDokument.h"

#include <QList>
#include <QString>
#include <QStringList>

// One imported entry before it becomes a lesson line.
struct TImportEintrag {
    QString aufgabe;
    QString antwort;
    // False: the source had no answer at all; the line is then the question alone, as a
    // lesson line without ";" is.
    bool hatAntwort = true;
};

// What the user is told before the entries become lines.
struct TImportBefund {
    QList<qsizetype> nichtDarstellbar; // entries with characters Windows-1252 lacks
    QList<qsizetype> semikolon;        // entries whose answer holds ";"
    QList<qsizetype> umbrueche;        // entries with line breaks, joined by a blank
};

// Lessons to and from the formats of other trainers. A lesson line is the answer, ";" and the
// question; the exports keep every line so that importing them gives it back unchanged.
class TLektionsAustausch {
public:
    // `kopfzeile`: the first row names the columns and is no entry.
    static QList<TImportEintrag> ausCsv(const TCsvTabelle& tabelle, int aufgabenSpalte,
                                        int antwortSpalte, bool kopfzeile);
    static QList<TImportEintrag> ausKvtml(const TKvtmlDokument& dokument, int aufgabenId,
                                          int antwortId);

    static TImportBefund pruefen(const QList<TImportEintrag>& eintraege);
    // The lesson lines; characters the code page lacks become "?", or with `auslassen` such
    // entries are left out.
    static QStringList zeilen(const QList<TImportEintrag>& eintraege, bool auslassen);
    static QString zeile(const TImportEintrag& eintrag);

    // UTF-8 CSV with the header "Aufgabe,Antwort", lines ending in CR LF.
    static QByteArray nachCsv(const QStringList& zeilen);
    static QByteArray nachKvtml(const QStringList& zeilen, const QString& titel);

    static TImportEintrag teilen(const QString& zeile);
};
