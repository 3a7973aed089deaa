#include "lessons/TStrHolder.h"

#include "lessons/TAnsiCodec.h"

#include <QFile>
#include <QSaveFile>

QStringList TStrHolder::ausBytes(const QByteArray& bytes) {
    QStringList zeilen;
    const char* daten = bytes.constData();
    qsizetype ende = bytes.indexOf('\0');
    if (ende < 0)
        ende = bytes.size();
    qsizetype anfang = 0;
    qsizetype i = 0;
    while (i < ende) {
        const char c = daten[i];
        if (c == '\r' || c == '\n') {
            zeilen.append(TAnsiCodec::dekodieren(daten + anfang, i - anfang));
            ++i;
            if (c == '\r' && i < ende && daten[i] == '\n')
                ++i;
            anfang = i;
        } else {
            ++i;
        }
    }
    if (anfang < ende)
        zeilen.append(TAnsiCodec::dekodieren(daten + anfang, ende - anfang));
    return zeilen;
}

QByteArray TStrHolder::inBytes(const QStringList& zeilen, bool* ok) {
    qsizetype groesse = 0;
    for (const QString& z : zeilen)
        groesse += z.size() + 2;
    QByteArray bytes;
    bytes.reserve(groesse);
    bool alles = true;
    for (const QString& z : zeilen) {
        bool zeileOk = true;
        bytes.append(TAnsiCodec::kodieren(z, &zeileOk));
        bytes.append("\r\n", 2);
        alles = alles && zeileOk;
    }
    if (ok)
        *ok = alles;
    return alles ? bytes : QByteArray();
}

bool TStrHolder::laden(const QString& pfad, QStringList& zeilen) {
    zeilen.clear();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return false;
    zeilen = ausBytes(bytes);
    return true;
}

bool TStrHolder::speichern(const QString& pfad, const QStringList& zeilen) {
    bool ok = true;
    const QByteArray bytes = inBytes(zeilen, &ok);
    if (!ok)
        return false;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    if (datei.write(bytes) != bytes.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
