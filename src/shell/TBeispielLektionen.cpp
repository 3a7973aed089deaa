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
        if (dateiKopieren(datei.filePath(), QDir(ziel).filePath(datei.fileName())))
            ++kopiert;
    }
    return kopiert;
}

bool TBeispielLektionen::dateiKopieren(const QString& quelle, const QString& ziel) {
    // exists() is false for a dangling link, which a write would follow.
    if (QFileInfo::exists(ziel) || QFileInfo(ziel).isSymLink())
        return false;
    QFile lesen(quelle);
    if (!lesen.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = lesen.readAll();
    return lesen.error() == QFileDevice::NoError && TStrHolder::bytesSpeichern(ziel, bytes);
}
