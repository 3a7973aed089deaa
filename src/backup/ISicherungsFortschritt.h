#pragma once

#include <QString>
#include <QtGlobal>

// What the copy of a backup tells about its progress, and where it learns that the user
// cancelled. The window shows it; tests script it.
class ISicherungsFortschritt {
public:
    virtual ~ISicherungsFortschritt() = default;
    virtual void beginnen(int dateien, qint64 bytes) = 0;
    // `fertig` files and `bytes` bytes are done, `datei` is being copied. False: cancelled.
    virtual bool stand(int fertig, qint64 bytes, const QString& datei) = 0;
    virtual void beenden() = 0;
};
