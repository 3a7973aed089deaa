#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// A table read from a CSV or tab-separated text. Quotes follow RFC 4180: a quoted field may
// hold the separator, line breaks and doubled quotes; lines end with CR LF, LF or CR.
class TCsvTabelle {
public:
    QList<QStringList> zeilen;
    // Per row and field: the field was quoted. An empty quoted field is an empty text that was
    // written on purpose, an unquoted one may stand for nothing at all.
    QList<QList<bool>> zitiert;
    QChar trenner = QLatin1Char(',');
    // The row whose quote is never closed (it then runs to the end of the text); -1: none.
    qsizetype offeneAnfuehrung = -1;
    // Rows with another number of fields than the first.
    qsizetype ungleicheZeilen = 0;
    qsizetype spalten = 0; // the most fields of any row

    static TCsvTabelle lesen(const QString& text, QChar trenner);
    // Tab when the first line holds one, else whichever of ";" and "," it holds more of.
    static QChar trennerErkennen(const QString& text);
    // The first row names its columns ("Aufgabe", "Antwort", "Frage", "question", ...).
    static bool kopfzeileErkannt(const QStringList& zeile);
    // Columns named like a question and like an answer; -1 where none is.
    static int aufgabenSpalte(const QStringList& kopf);
    static int antwortSpalte(const QStringList& kopf);

    // A field as written: quoted when it has to be, or when `zitieren` asks for it.
    static QString feld(const QString& text, QChar trenner, bool zitieren = false);
};
