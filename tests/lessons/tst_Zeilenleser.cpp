// The line reader against the reader it replaced (kept here as it was): the same lines, byte
// for byte, on every shipped lesson and on generated text with all 256 byte values; and the
// lines behave like strings of their own although they share one block.
#include "lessons/TAnsiCodec.h"
#include "lessons/TStrHolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// The earlier reader: one decoded string per line.
QStringList frueherGelesen(const QByteArray& bytes) {
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

void vergleichen(const QByteArray& bytes) {
    const QStringList neu = TStrHolder::ausBytes(bytes);
    const QStringList alt = frueherGelesen(bytes);
    QCOMPARE(neu.size(), alt.size());
    for (qsizetype i = 0; i < neu.size(); ++i) {
        QCOMPARE(neu.at(i), alt.at(i));
        QCOMPARE(neu.at(i).isNull(), alt.at(i).isNull());
        // Strings handed to C interfaces rely on the terminating NUL.
        QCOMPARE(neu.at(i).utf16()[neu.at(i).size()], char16_t(0));
    }
}

} // namespace

class tst_Zeilenleser : public QObject {
    Q_OBJECT

private slots:
    void mitgelieferteLektionenGleich() {
        const QStringList namen =
            QDir(QStringLiteral(DRILLA_MITGELIEFERT)).entryList({QStringLiteral("*.txt")});
        QVERIFY(namen.size() >= 5);
        for (const QString& name : namen) {
            QFile datei(QStringLiteral(DRILLA_MITGELIEFERT "/") + name);
            QVERIFY(datei.open(QIODevice::ReadOnly));
            vergleichen(datei.readAll());
        }
    }

    void alleByteWerteGleich() {
        // Every byte value at every position of the 16-byte steps, line ends of all kinds
        // packed and spread, runs of high bytes; the NUL ends the text at the end.
        QByteArray bytes;
        for (int b = 1; b < 256; ++b) {
            bytes.append(static_cast<char>(b));
            for (int k = 0; k < b % 19; ++k)
                bytes.append(static_cast<char>(b + k));
        }
        QRandomGenerator zufall(4711);
        for (int i = 0; i < 20000; ++i) {
            const quint32 wahl = zufall.bounded(40);
            if (wahl == 0)
                bytes.append("\r\n");
            else if (wahl == 1)
                bytes.append("\n\r");
            else
                bytes.append(static_cast<char>(1 + zufall.bounded(255)));
        }
        vergleichen(bytes);
        for (qsizetype laenge = 0; laenge < 40; ++laenge) // every tail after the last step
            vergleichen(bytes.left(laenge) + "\r");
        bytes.append('\0');
        bytes.append("\xe4\r\n");
        vergleichen(bytes);
        vergleichen(bytes.right(bytes.size() - 1));
    }

    void zeilenBleibenEigenstaendig() {
        QStringList zeilen = TStrHolder::ausBytes("Haus;house\r\nBaum;tree\r\n\r\nEnde");
        QCOMPARE(zeilen.size(), 4);
        QString erste = zeilen.at(0);
        erste.append(QStringLiteral(" und mehr"));
        erste[0] = QLatin1Char('M');
        QCOMPARE(zeilen.at(0), QStringLiteral("Haus;house"));
        QCOMPARE(zeilen.at(1), QStringLiteral("Baum;tree"));
        QCOMPARE(erste, QStringLiteral("Maus;house und mehr"));
        // The last line left holding the block may grow into it without harm.
        QString letzte = zeilen.at(2);
        zeilen.clear();
        letzte.append(QStringLiteral("neu"));
        QCOMPARE(letzte, QStringLiteral("neu"));
        QCOMPARE(letzte.utf16()[letzte.size()], char16_t(0));
    }
};

QTEST_GUILESS_MAIN(tst_Zeilenleser)
#include "tst_Zeilenleser.moc"
