#include "lessons/TAnsiCodec.h"
#include "tiles/TAlphabet.h"

#include <QtTest>

class tst_TAlphabet : public QObject {
    Q_OBJECT

private slots:
    void sortierungen() {
        const QStringList auf = TAlphabet::aufsteigend();
        const QStringList ab = TAlphabet::absteigend();
        QCOMPARE(auf.size(), 52);
        QCOMPARE(ab.size(), 52);
        for (const QString& s : auf + ab)
            QCOMPARE(s.size(), 1);
        QCOMPARE(auf.join(QString()),
                 QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        // Capitals stay on tiles 1 to 26 in both orders.
        QCOMPARE(ab.join(QString()),
                 QStringLiteral("ZYXWVUTSRQPONMLKJIHGFEDCBAzyxwvutsrqponmlkjihgfedcba"));
    }

    void festeBeschriftungen() {
        QString alle;
        for (int n = 53; n <= 78; ++n) {
            const QString s = TAlphabet::festeBeschriftung(n);
            QCOMPARE(s.size(), 1);
            QVERIFY(TAnsiCodec::darstellbar(s));
            alle += s;
        }
        QCOMPARE(alle, QStringLiteral("1234567890,.-ÄÖÜäöüß +=():"));
        QCOMPARE(TAlphabet::festeBeschriftung(73), QStringLiteral(" "));
        QCOMPARE(TAlphabet::festeBeschriftung(52), QString());
        QCOMPARE(TAlphabet::festeBeschriftung(79), QString());
    }
};

QTEST_GUILESS_MAIN(tst_TAlphabet)
#include "tst_TAlphabet.moc"
