#include "TTestDateien.h"
#include "lessons/TAnsiCodec.h"
#include "lessons/TAufgabenzeile.h"
#include "lessons/TStrHolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class tst_TStrHolder : public QObject {
    Q_OBJECT

private slots:
    void alleBytesUeberlebenDenRundgang() {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(static_cast<char>(b));
        const QString text = TAnsiCodec::dekodieren(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x81), QChar(0x81));
        QCOMPARE(text.at(0x9F), QChar(0x178));
        QCOMPARE(text.at(0xE4), QChar(0xE4));
        bool ok = false;
        QCOMPARE(TAnsiCodec::kodieren(text, &ok), alle);
        QVERIFY(ok);
    }

    void fremdeZeichenWerdenNichtStillVerschluckt() {
        bool ok = true;
        QCOMPARE(TAnsiCodec::kodieren(QStringLiteral("a\u0141b"), &ok), QByteArray("a?b"));
        QVERIFY(!ok);
        QVERIFY(!TAnsiCodec::darstellbar(QStringLiteral("\u0141")));
        QVERIFY(TAnsiCodec::darstellbar(QStringLiteral("€äß\u0081")));
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, QStringLiteral("x.txt"), "alt");
        QVERIFY(!TStrHolder::speichern(pfad, {QStringLiteral("\u0141ukasz")}));
        QCOMPARE(leseDatei(pfad), QByteArray("alt"));
    }

    void zeilenenden_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("leer") << QByteArray() << QStringList();
        QTest::newRow("ohne Ende") << QByteArray("a;b") << QStringList{"a;b"};
        QTest::newRow("crlf am Ende") << QByteArray("a;b\r\n") << QStringList{"a;b"};
        QTest::newRow("zwei crlf") << QByteArray("a;b\r\n\r\n") << QStringList{"a;b", ""};
        QTest::newRow("cr lf gemischt")
            << QByteArray("1\r2\n3\r\n4") << QStringList{"1", "2", "3", "4"};
        QTest::newRow("lf cr sind zwei") << QByteArray("1\n\r2") << QStringList{"1", "", "2"};
        QTest::newRow("leere Mitte") << QByteArray("1\r\n\r\n2\r\n") << QStringList{"1", "", "2"};
        QTest::newRow("nul beendet") << QByteArray("1\r\n2\0"
                                                   "3\r\n4",
                                                   10)
                                     << QStringList{"1", "2"};
        QTest::newRow("nur nul") << QByteArray("\0abc", 4) << QStringList();
        QTest::newRow("nur cr") << QByteArray("\r") << QStringList{""};
    }
    void zeilenenden() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, zeilen);
        QCOMPARE(TStrHolder::ausBytes(bytes), zeilen);
    }

    void schreibenEndetJedeZeileMitCrLf() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("aus.txt"));
        QVERIFY(TStrHolder::speichern(pfad, {QStringLiteral("Straße;street"), QString()}));
        QCOMPARE(leseDatei(pfad), QByteArray("Stra\xdf"
                                             "e;street\r\n\r\n"));
        QVERIFY(TStrHolder::speichern(pfad, {}));
        QCOMPARE(leseDatei(pfad), QByteArray());
        QStringList gelesen;
        QVERIFY(TStrHolder::laden(pfad, gelesen));
        QVERIFY(gelesen.isEmpty());
    }

    // What follows a NUL was never read; before the first rewrite the old bytes are kept beside
    // the file, once per file, and the copy is announced once.
    void beschaedigteDateiWirdVorDemUeberschreibenGesichert() {
        QTemporaryDir ordner;
        const char roh[] = "a;b\r\nc;d\0\0\0e;f\r\n";
        const QByteArray kaputt(roh, sizeof roh - 1);
        const QString pfad = schreibeDatei(ordner, QStringLiteral("fehler.txt"), kaputt);
        schreibeDatei(ordner, QStringLiteral("fehler.txt.original"), "eine alte Kopie");
        TStrHolder::neueSicherungen();
        QStringList zeilen;
        QVERIFY(TStrHolder::laden(pfad, zeilen));
        QCOMPARE(zeilen, QStringList({"a;b", "c;d"}));

        QVERIFY(TStrHolder::speichern(pfad, zeilen));
        QCOMPARE(leseDatei(pfad), QByteArray("a;b\r\nc;d\r\n"));
        const QString kopie = pfad + QStringLiteral(".original2");
        QCOMPARE(leseDatei(kopie), kaputt);
        QCOMPARE(leseDatei(pfad + QStringLiteral(".original")), QByteArray("eine alte Kopie"));
        QCOMPARE(TStrHolder::neueSicherungen(), QStringList{QDir::toNativeSeparators(kopie)});
        QVERIFY(TStrHolder::neueSicherungen().isEmpty());
        QVERIFY(TStrHolder::sicherungsMeldung(kopie).endsWith(kopie));

        QVERIFY(TStrHolder::speichern(pfad, {QStringLiteral("x")}));
        QVERIFY(!QFileInfo::exists(pfad + QStringLiteral(".original3")));
        QVERIFY(TStrHolder::neueSicherungen().isEmpty());
    }

    void ohneKopieKeinUeberschreiben() {
        QTemporaryDir ordner;
        const QByteArray kaputt("a;b\0rest", 8);
        const QString pfad = schreibeDatei(ordner, QStringLiteral("auswertung.txt"), kaputt);
        // A link into nowhere: the name looks free, but no copy can be written there.
        QVERIFY(QFile::link(ordner.filePath(QStringLiteral("fehlt/ziel")),
                            pfad + QStringLiteral(".original")));
        QVERIFY(!TStrHolder::speichern(pfad, {QStringLiteral("neu")}));
        QCOMPARE(leseDatei(pfad), kaputt);
        QVERIFY(TStrHolder::neueSicherungen().isEmpty());
    }

    void binaereUndRiesigeDateien() {
        QTemporaryDir ordner;
        QByteArray binaer;
        for (int i = 0; i < 4096; ++i)
            binaer.append(static_cast<char>((i * 37 + 11) % 255 + 1)); // no NUL
        const QString pfad = schreibeDatei(ordner, QStringLiteral("bin.txt"), binaer);
        QStringList zeilen;
        QVERIFY(TStrHolder::laden(pfad, zeilen));
        const QString ziel = ordner.filePath(QStringLiteral("zurueck.txt"));
        QVERIFY(TStrHolder::speichern(ziel, zeilen));
        QStringList wieder;
        QVERIFY(TStrHolder::laden(ziel, wieder));
        QCOMPARE(wieder, zeilen);

        const QByteArray lang(1 << 20, '\xe9');
        QVERIFY(TStrHolder::laden(schreibeDatei(ordner, QStringLiteral("lang.txt"), lang), zeilen));
        QCOMPARE(zeilen.size(), 1);
        QCOMPARE(zeilen.at(0).size(), 1 << 20);
    }

    void fehlerBeimLesenUndSchreiben() {
        QTemporaryDir ordner;
        QStringList zeilen{QStringLiteral("rest")};
        QVERIFY(!TStrHolder::laden(ordner.filePath(QStringLiteral("fehlt.txt")), zeilen));
        QVERIFY(zeilen.isEmpty());
        QVERIFY(!TStrHolder::laden(ordner.path(), zeilen)); // a directory is no lesson
        QVERIFY(!TStrHolder::speichern(ordner.filePath(QStringLiteral("gibtsnicht/a.txt")), {}));

        // A read-only directory keeps the old file whole.
        const QString pfad = schreibeDatei(ordner, QStringLiteral("alt.txt"), "alt\r\n");
        QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool geschrieben = TStrHolder::speichern(pfad, {QStringLiteral("neu")});
        QFile::setPermissions(ordner.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (geschrieben)
            QSKIP("running with rights that ignore directory permissions");
        QCOMPARE(leseDatei(pfad), QByteArray("alt\r\n"));
    }

    void aufgabenzeilen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<QString>("antwort");
        QTest::newRow("einfach") << "Haus;house"
                                 << "house"
                                 << "Haus";
        QTest::newRow("blanks") << "  Haus  ;  house  "
                                << "house"
                                << "Haus";
        QTest::newRow("zweites Semikolon") << "a;b;c"
                                           << "b;c"
                                           << "a";
        QTest::newRow("ohne Trenner") << " Haus "
                                      << "Haus"
                                      << "";
        QTest::newRow("leer") << ""
                              << ""
                              << "";
        QTest::newRow("tab bleibt") << "\tHaus;house\t"
                                    << "house\t"
                                    << "\tHaus";
        QTest::newRow("nur Trenner") << " ; "
                                     << ""
                                     << "";
    }
    void aufgabenzeilen() {
        QFETCH(QString, zeile);
        QFETCH(QString, frage);
        QFETCH(QString, antwort);
        QString f, a;
        TAufgabenzeile::zerlegen(zeile, f, a);
        QCOMPARE(f, frage);
        QCOMPARE(a, antwort);
    }
};

QTEST_GUILESS_MAIN(tst_TStrHolder)
#include "tst_TStrHolder.moc"
