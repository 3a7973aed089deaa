#include "shell/TVerzeichnisse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_TVerzeichnisse : public QObject {
    Q_OBJECT

private slots:
    void normalisieren_data() {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("laufwerke");
        QTest::addColumn<QString>("ergebnis");
        const bool win = true;
        QTest::newRow("leer") << "" << win << "";
        QTest::newRow("D:\\") << "D:\\" << win << "D:\\";
        QTest::newRow("D:") << "D:" << win << "D:";
        QTest::newRow("D") << "D" << win << "D:\\";
        QTest::newRow("d klein") << "d" << win << "d:\\";
        QTest::newRow("Ziffer") << "7" << win << "7\\";
        QTest::newRow("Pfad") << "C:\\Programme\\Lernen" << win << "C:\\Programme\\Lernen\\";
        QTest::newRow("Umlaut") << "Ä" << win << "Ä\\";
        QTest::newRow("linux leer") << "" << false << "";
        QTest::newRow("linux wurzel") << "/" << false << "/";
        QTest::newRow("linux pfad") << "/home/lena/Lektion" << false << "/home/lena/Lektion/";
        QTest::newRow("linux fertig") << "/home/lena/" << false << "/home/lena/";
        QTest::newRow("linux ein Buchstabe") << "D" << false << "D/";
        QTest::newRow("linux Doppelpunkt") << "/mnt/a:" << false << "/mnt/a:/";
    }
    void normalisieren() {
        QFETCH(QString, wert);
        QFETCH(bool, laufwerke);
        QFETCH(QString, ergebnis);
        const QChar trenner = laufwerke ? QLatin1Char('\\') : QLatin1Char('/');
        QCOMPARE(TVerzeichnisse::normalisieren(wert, trenner, laufwerke), ergebnis);
    }

    void shellOrdnerSortiertOhneRuecksichtAufGross() {
        QCOMPARE(
            TVerzeichnisse::shellOrdnerSortieren({QStringLiteral("C:\\Windows\\Anwendungsdaten"),
                                                  QStringLiteral("C:\\Eigene Dateien")}),
            QStringList({QStringLiteral("C:\\Eigene Dateien"),
                         QStringLiteral("C:\\Windows\\Anwendungsdaten")}));
        QCOMPARE(
            TVerzeichnisse::shellOrdnerSortieren(
                {QStringLiteral("/home/b"), QStringLiteral("/HOME/A"), QStringLiteral("/home/B")}),
            QStringList({QStringLiteral("/HOME/A"), QStringLiteral("/home/b")}));
    }

    void einzelplatz() {
        QTemporaryDir programm;
        const QString p = programm.path() + QLatin1Char('/');
        QVERIFY(!TVerzeichnisse::netzwerkmodusErmitteln(p));
        const TVerzeichnisse v = TVerzeichnisse::ermitteln(programm.path(), false, {}, {});
        QCOMPARE(v.Programm, p);
        QCOMPARE(v.Daten, p);
        QCOMPARE(v.Lektion, p + QStringLiteral("Lektion/"));
        QVERIFY(v.Benutzer.isEmpty());
        QCOMPARE(v.VersionsZusatz, QStringLiteral(" V3.5b "));
        QVERIFY(!QFileInfo::exists(v.Lektion)); // nothing is created in single-user mode
    }

    void netzwerk() {
        QTemporaryDir programm, heim;
        QFile marke(programm.filePath(TVerzeichnisse::netzwerkMarke()));
        QVERIFY(marke.open(QIODevice::WriteOnly));
        marke.close();
        QVERIFY(TVerzeichnisse::netzwerkmodusErmitteln(programm.path() + QLatin1Char('/')));
        const QString daten = heim.filePath(QStringLiteral("Daten"));
        const QString dokumente = heim.filePath(QStringLiteral("dokumente"));
        const TVerzeichnisse v = TVerzeichnisse::ermitteln(programm.path() + QLatin1Char('/'), true,
                                                           {dokumente, daten}, {});
        QCOMPARE(v.Benutzer, daten + QStringLiteral("/MORVANE/DRILLA/"));
        QCOMPARE(v.Daten, v.Benutzer);
        QCOMPARE(v.Lektion, v.Benutzer + QStringLiteral("Lektion/"));
        QVERIFY(QFileInfo(v.Lektion).isDir());
        QCOMPARE(v.VersionsZusatz, QStringLiteral(" V3.5b  Netzwerkversion"));
        QVERIFY(v.Ausweichhinweis.isEmpty());
    }

    void netzwerkOhneBrauchbarenOrdner() {
        QTemporaryDir programm, heim;
        // A regular file where a folder is needed: nothing can be created below it, even as root.
        QFile datei(heim.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        const QString ausweich = heim.filePath(QStringLiteral("ausweich"));
        for (const QStringList& ordner : {QStringList(), QStringList{datei.fileName()}}) {
            const TVerzeichnisse v =
                TVerzeichnisse::ermitteln(programm.path(), true, ordner, ausweich);
            QCOMPARE(v.Benutzer, ausweich + QLatin1Char('/'));
            QCOMPARE(v.Ausweichhinweis, v.Benutzer);
            QVERIFY(QFileInfo(v.Lektion).isDir());
        }
    }
};

QTEST_GUILESS_MAIN(tst_TVerzeichnisse)
#include "tst_TVerzeichnisse.moc"
