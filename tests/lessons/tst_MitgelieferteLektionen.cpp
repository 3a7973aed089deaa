#include "TTestDateien.h"
#include "lessons/TAufgabenzeile.h"
#include "lessons/TStrHolder.h"

#include <QDir>
#include <QtTest>

// The lessons that ship beside the program must be clean Windows-1252 lesson files.
class tst_MitgelieferteLektionen : public QObject {
    Q_OBJECT

private slots:
    void alleLektionenSindSauber() {
        const QDir ordner(QStringLiteral(DRILLA_MITGELIEFERT));
        const QStringList dateien = ordner.entryList({QStringLiteral("*.txt")}, QDir::Files);
        QVERIFY(dateien.size() >= 5);
        QVERIFY(dateien.contains(QStringLiteral("lesetest.txt")));
        for (const QString& name : dateien) {
            const QByteArray bytes = leseDatei(ordner.filePath(name));
            QVERIFY2(!bytes.contains('\0'), qPrintable(name));
            QVERIFY2(!bytes.startsWith("\xef\xbb\xbf"), qPrintable(name)); // no UTF-8 mark
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(name));
            for (char undefiniert : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
                QVERIFY2(!bytes.contains(undefiniert), qPrintable(name));
            QStringList zeilen;
            QVERIFY(TStrHolder::laden(ordner.filePath(name), zeilen));
            QVERIFY2(zeilen.size() >= 20, qPrintable(name));
            // Written back, the file is unchanged byte for byte.
            QCOMPARE(TStrHolder::inBytes(zeilen), bytes);
            for (const QString& zeile : zeilen) {
                QString frage, antwort;
                TAufgabenzeile::zerlegen(zeile, frage, antwort);
                QVERIFY2(!frage.isEmpty() && !antwort.isEmpty(), qPrintable(name + zeile));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_MitgelieferteLektionen)
#include "tst_MitgelieferteLektionen.moc"
