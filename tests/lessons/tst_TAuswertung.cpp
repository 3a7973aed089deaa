#include "lessons/TAuswertung.h"
#include "lessons/TStrHolder.h"

#include <QTemporaryDir>

#include <QtTest>

class tst_TAuswertung : public QObject {
    Q_OBJECT

private slots:
    void erfolgsquote_data() {
        QTest::addColumn<qint64>("anzahl");
        QTest::addColumn<qint64>("fehler");
        QTest::addColumn<int>("quote");
        QTest::addColumn<int>("klang");
        QTest::newRow("10/7") << qint64(10) << qint64(7) << 30 << 2;
        QTest::newRow("10/5") << qint64(10) << qint64(5) << 50 << 3;
        QTest::newRow("4/1") << qint64(4) << qint64(1) << 75 << 4;
        QTest::newRow("8/5 halb auf gerade") << qint64(8) << qint64(5) << 38 << 3;
        QTest::newRow("8/3 halb auf gerade") << qint64(8) << qint64(3) << 62 << 4;
        QTest::newRow("8/1") << qint64(8) << qint64(1) << 88 << 5;
        QTest::newRow("200/1") << qint64(200) << qint64(1) << 100 << 6;
        QTest::newRow("200/49") << qint64(200) << qint64(49) << 76 << 5;
        QTest::newRow("200/3 knapp") << qint64(200) << qint64(3) << 98 << 5;
        QTest::newRow("fehlerfrei") << qint64(7) << qint64(0) << 100 << 6;
        QTest::newRow("alles falsch") << qint64(7) << qint64(7) << 0 << 2;
        QTest::newRow("mehr Fehler als Aufgaben") << qint64(3) << qint64(5) << 0 << 2;
        QTest::newRow("ohne Aufgaben") << qint64(0) << qint64(0) << 0 << 2;
        QTest::newRow("riesig") << qint64(3000000000) << qint64(1) << 100 << 6;
        QTest::newRow("2/1") << qint64(2) << qint64(1) << 50 << 3;
        QTest::newRow("3/2 abrunden") << qint64(3) << qint64(2) << 33 << 3;
    }
    void erfolgsquote() {
        QFETCH(qint64, anzahl);
        QFETCH(qint64, fehler);
        QFETCH(int, quote);
        QFETCH(int, klang);
        QCOMPARE(TAuswertung::erfolgsquote(anzahl, fehler), quote);
        QCOMPARE(TAuswertung::band(quote).klang, klang);
    }

    void baender() {
        QCOMPARE(TAuswertung::band(31).text.text(1),
                 QStringLiteral("Einige Lösungen kennst Du ja schon ... \r\nBitte versuche es noch "
                                "einmal."));
        QCOMPARE(TAuswertung::band(99).text.text(0), TAuswertung::band(76).text.text(1));
        QCOMPARE(TAuswertung::band(100).text.text(0),
                 QStringLiteral("Sehr gut!\r\nSie haben diese Lektion erfolgreich beendet.\r\n"
                                "Versuchen Sie jetzt eine andere Lektion."));
        QCOMPARE(TAuswertung::band(30).text.text(1),
                 QStringLiteral("Schaue dir doch bitte die Grundlagen an\r\nund versuche diese "
                                "Lektion noch einmal."));
    }

    void texteDesProtokolls() {
        QCOMPARE(TAuswertung::zusammenfassung(12, 3),
                 QStringLiteral("12 Aufgaben: Davon wurden 3 fehlerhaft beantwortet"));
        const QLocale de(QLocale::German, QLocale::Germany);
        QCOMPARE(TAuswertung::datumText(QDateTime(QDate(2026, 1, 5), QTime(0, 0)), de),
                 QStringLiteral("05.01.26"));
        QCOMPARE(TAuswertung::datumText(QDateTime(QDate(2026, 1, 5), QTime(0, 0, 1)), de),
                 QStringLiteral("05.01.26 00:00:01"));
        const QStringList neu = TAuswertung::neuGeladenEintrag(QString(), QStringLiteral("d"),
                                                               QStringLiteral("/l.txt"));
        QCOMPARE(neu.at(0), QString(19, QLatin1Char(' ')));
        QCOMPARE(neu.at(1), QStringLiteral("Benutzer         : "));
        QCOMPARE(neu.at(4), QStringLiteral("Status           : Lektion neu geladen"));
        for (const QString& zeile : neu.mid(1))
            QCOMPARE(zeile.indexOf(QStringLiteral(": ")), 17);
    }

    // A lesson path the code page cannot hold must not make the log unwritable.
    void eintraegeBleibenSpeicherbar() {
        const QString pfad = QStringLiteral("/l/\u0416\u0443\u043a.txt");
        QStringList log = TAuswertung::neuGeladenEintrag(QStringLiteral("\u0141ukasz"),
                                                         QStringLiteral("d"), pfad);
        log += TAuswertung::abschlussEintrag(QStringLiteral("Max"), QStringLiteral("d"), pfad, 2);
        QCOMPARE(log.at(1), QStringLiteral("Benutzer         : ?ukasz"));
        QCOMPARE(log.at(3), QStringLiteral("Lektion          : /l/???.txt"));
        QCOMPARE(log.at(8), QStringLiteral("Lektion          : /l/???.txt"));
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("auswertung.txt"));
        QVERIFY(TStrHolder::speichern(datei, log));
        QStringList gelesen;
        QVERIFY(TStrHolder::laden(datei, gelesen));
        QCOMPARE(gelesen, log);
        QVERIFY(TStrHolder::speichern(datei, gelesen + log));
    }
};

QTEST_GUILESS_MAIN(tst_TAuswertung)
#include "tst_TAuswertung.moc"
