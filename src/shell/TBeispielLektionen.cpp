#include "shell/TBeispielLektionen.h"

#include "lessons/TStrHolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

int TBeispielLektionen::kopieren(const QString& quelle, const QString& ziel) {
    const QDir von(quelle);
    if (quelle.isEmpty() || !von.exists())
        return 0;
    int kopiert = 0;
    const QFileInfoList dateien =
        von.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& datei : dateien) {
        const QString pfad = QDir(ziel).filePath(datei.fileName());
        // exists() is false for a dangling link, which a write would follow.
        if (QFileInfo::exists(pfad) || QFileInfo(pfad).isSymLink())
            continue;
        QFile lesen(datei.filePath());
        if (!lesen.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = lesen.readAll();
        if (lesen.error() == QFileDevice::NoError && TStrHolder::bytesSpeichern(pfad, bytes))
            ++kopiert;
    }
    return kopiert;
}
