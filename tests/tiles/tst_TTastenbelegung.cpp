#include "TTestDateien.h"
#include "tiles/TTastenbelegung.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_TTastenbelegung : public QObject {
    Q_OBJECT

private slots:
    // One caption the file cannot keep must not take the other twelve down with it.
    void unspeicherbareBeschriftungBehaeltIhrenAltenWert() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, QStringLiteral("tasten.txt"),
                                           "[Sonderzeichen]\r\nTaste80=\xe7\r\n");
        QStringList beschriftungen;
        for (int n = TTastenbelegung::kErste; n <= TTastenbelegung::kLetzte; ++n)
            beschriftungen.append(QString(QChar(0xE0 + n - TTastenbelegung::kErste)));
        beschriftungen[1] = QStringLiteral("\n");       // tile 80: old value stays
        beschriftungen[2] = QStringLiteral("\u0416");   // tile 81: never stored, stays missing
        beschriftungen[3] = QStringLiteral(" ");        // tile 82: comes back empty, as ever
        beschriftungen[4] = QStringLiteral(" \u00df "); // tile 83: the blanks go
        QVERIFY(TTastenbelegung::TastenSpeichern(pfad, beschriftungen));

        const QStringList gelesen = TTastenbelegung::TastenLaden(pfad);
        QCOMPARE(gelesen.size(), 13);
        QCOMPARE(gelesen.at(0), QStringLiteral("\u00e0"));
        QCOMPARE(gelesen.at(1), QStringLiteral("\u00e7"));
        QCOMPARE(gelesen.at(2), QStringLiteral("?"));
        QCOMPARE(gelesen.at(3), QString());
        QCOMPARE(gelesen.at(4), QStringLiteral("\u00df"));
        for (int i = 5; i < 13; ++i)
            QCOMPARE(gelesen.at(i), beschriftungen.at(i));
        QVERIFY(leseDatei(pfad).startsWith("[Sonderzeichen]\r\nTaste80=\xe7\r\nTaste79=\xe0\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_TTastenbelegung)
#include "tst_TTastenbelegung.moc"
