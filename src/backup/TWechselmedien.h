#pragma once

#include "backup/TSicherungsZiel.h"

#include <QList>
#include <QString>

// The removable media the desktop has mounted, as backup targets.
class TWechselmedien {
public:
    struct TEinhaengung {
        QString wurzel; // mount point
        QString name;   // the volume's label or the system's name for it
        bool bereit = true;
        bool nurLesen = false;
    };

    // The mounted media, read from the system.
    static QList<TSicherungsZiel> ermitteln();
    // Only what the desktop mounts for removable media (below /media and /run/media), ready
    // and writable, sorted by mount point.
    static QList<TSicherungsZiel> auswaehlen(const QList<TEinhaengung>& einhaengungen);
    // Whether a file system is still mounted right at `wurzel`.
    static bool eingehaengt(const QString& wurzel);
};
