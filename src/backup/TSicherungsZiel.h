#pragma once

#include <QString>

// One place a backup can go: how the system names it, and the folder the files land in
// (ending with the separator).
struct TSicherungsZiel {
    QString name;
    QString pfad;

    // The caption of its option: the name, and the folder when the name does not say it.
    QString beschriftung() const;
};
