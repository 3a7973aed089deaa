#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// A vocabulary file in KVTML 2, the XML format of other desktop vocabulary trainers: its
// languages ("identifiers") and its entries in the order of the file, each with the texts of
// the translations it has.
class TKvtmlDokument {
public:
    struct TSprache {
        int id = 0;
        QString name;
    };
    QString titel;
    QList<TSprache> sprachen;
    QList<QHash<int, QString>> eintraege; // translation id -> text
    // Set when the file is no intact KVTML; then nothing of it is taken.
    QString fehler;
    qint64 fehlerZeile = 0;

    static TKvtmlDokument lesen(const QByteArray& bytes);
    // One entry per pair; a missing text (nullopt-like: `hat` false) writes no translation.
    struct TPaar {
        QString aufgabe;
        QString antwort;
        bool hatAntwort = true;
    };
    static QByteArray schreiben(const QString& titel, const QString& aufgabenSprache,
                                const QString& antwortSprache, const QList<TPaar>& paare);

    // XML cannot hold most control characters, not even as references; they travel as
    // characters of the private use area and come back on reading.
    static QString maskieren(const QString& text);
    static QString demaskieren(const QString& text);
};
