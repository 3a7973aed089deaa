#pragma once

#include <QString>

// One lesson line: answer ";" question, split at the first ";". Only blanks (character 32)
// are stripped from the halves; tabs and everything else stay.
class TAufgabenzeile {
public:
    static void zerlegen(const QString& zeile, QString& frage, QString& antwort);
    static QString blankEntfernen(QStringView text);
};
