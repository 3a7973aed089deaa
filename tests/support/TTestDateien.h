#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Writes raw bytes into a file of a temporary directory; returns the full path.
inline QString schreibeDatei(const QTemporaryDir& ordner, const QString& name,
                             const QByteArray& bytes) {
    const QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
        return {};
    return pfad;
}

inline QByteArray leseDatei(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}
