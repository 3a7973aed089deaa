#pragma once

#include <QString>

// One place a backup can go: how the system names it, and the folder the files land in
// (ending with the separator).
struct TSicherungsZiel {
    QString name;
    QString pfad;
    // A medium's mount point: once the medium is gone, the empty folder left on the system
    // disk is no target.
    bool einhaengepunkt = false;

    // The caption of its option: the name, and the folder when the name does not say it.
    QString beschriftung() const;
};
