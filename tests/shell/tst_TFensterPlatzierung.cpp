#include "TTestDateien.h"
#include "shell/TFensterPlatzierung.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

namespace {

QByteArray abschnitt(const QByteArray& zeilen) {
    return "[Form-Parameter]\r\n" + zeilen;
}

TFensterPlatzierung beispiel() {
    TFensterPlatzierung p;
    p.Flags = 2;
    p.ShowCmd = TFensterPlatzierung::kMaximiert;
    p.PixelsPerInch = 120;
    p.MinPos = {-32000, -32000};
    p.MaxPos = {-8, -8};
    p.Links = 10;
    p.Oben = -20;
    p.Rechts = 810;
    p.Unten = 580;
    return p;
}

} // namespace

class tst_TFensterPlatzierung : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

    std::optional<TFensterPlatzierung> lesen(const QByteArray& inhalt, int ppi = 96) {
        return TFensterPlatzierung::Lesen(
            schreibeDatei(ordner, QStringLiteral("formpos.ini"), inhalt), ppi);
    }

private slots:
    void rundreise() {
        const QString pfad = ordner.filePath(QStringLiteral("rundreise.ini"));
        QVERIFY(TFensterPlatzierung::Schreiben(pfad, beispiel()));
        QCOMPARE(TFensterPlatzierung::Lesen(pfad, 120), beispiel());
    }

    void schreibenErsetztWerteAnIhrerStelle() {
        const QString pfad =
            schreibeDatei(ordner, QStringLiteral("ersetzen.ini"),
                          "[Anderes]\r\nA=1\r\n" + abschnitt("NormPos=1,2,3,4\r\nEigenes=x\r\n"));
        QVERIFY(TFensterPlatzierung::Schreiben(pfad, beispiel()));
        QVERIFY(TFensterPlatzierung::Schreiben(pfad, beispiel()));
        QCOMPARE(leseDatei(pfad),
                 "[Anderes]\r\nA=1\r\n" + abschnitt("NormPos=10,-20,810,580\r\n"
                                                    "Eigenes=x\r\n"
                                                    "FormVersion=0\r\n"
                                                    "Flags=2\r\n"
                                                    "ShowCmd=3\r\n"
                                                    "PixelsPerInch=120\r\n"
                                                    "MinMaxPos=-32000,-32000,-8,-8\r\n"
                                                    "Visible=0\r\n"));
    }

    void geschriebenerText() {
        TFensterPlatzierung p;
        p.PixelsPerInch = 96;
        p.normalRechteckSetzen(QRect(100, 50, 640, 480));
        const QString pfad = ordner.filePath(QStringLiteral("neu.ini"));
        QVERIFY(TFensterPlatzierung::Schreiben(pfad, p));
        QCOMPARE(leseDatei(pfad), QByteArray("[Form-Parameter]\r\n"
                                             "FormVersion=0\r\n"
                                             "Flags=0\r\n"
                                             "ShowCmd=1\r\n"
                                             "PixelsPerInch=96\r\n"
                                             "MinMaxPos=-1,-1,-1,-1\r\n"
                                             "NormPos=100,50,740,530\r\n"
                                             "Visible=0\r\n"));
    }

    void showCmd_data() {
        QTest::addColumn<int>("showCmd");
        QTest::addColumn<int>("zustand"); // -1: the state is left alone

        const int normal = int(TFensterPlatzierung::TZustand::Normal);
        const int minimiert = int(TFensterPlatzierung::TZustand::Minimiert);
        const int maximiert = int(TFensterPlatzierung::TZustand::Maximiert);
        QTest::newRow("0") << 0 << -1;
        QTest::newRow("1") << 1 << normal;
        QTest::newRow("2") << 2 << minimiert;
        QTest::newRow("3") << 3 << maximiert;
        QTest::newRow("4") << 4 << -1;
        QTest::newRow("5") << 5 << normal;
        QTest::newRow("6") << 6 << minimiert;
        QTest::newRow("7") << 7 << minimiert;
        QTest::newRow("8") << 8 << -1;
        QTest::newRow("9") << 9 << normal;
        QTest::newRow("10") << 10 << -1;
        QTest::newRow("-1") << -1 << -1;
    }
    void showCmd() {
        QFETCH(int, showCmd);
        QFETCH(int, zustand);
        const QByteArray zeile = "ShowCmd=" + QByteArray::number(showCmd) + "\r\n";

        const auto mitRechteck = lesen(abschnitt(zeile + "NormPos=0,0,100,100\r\n"));
        QVERIFY(mitRechteck);
        QVERIFY(mitRechteck->rechteckGueltig());
        QCOMPARE(mitRechteck->zustand().has_value(), zustand >= 0);
        if (zustand >= 0)
            QCOMPARE(int(*mitRechteck->zustand()), zustand);

        // Without a rectangle an unknown show command leaves nothing to apply.
        QCOMPARE(lesen(abschnitt(zeile)).has_value(), zustand >= 0);
    }

    void rechteck_data() {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QRect>("erwartet"); // null: dropped

        const QRect gesetzt(10, 20, 300, 200);
        QTest::newRow("gleiche Aufloesung")
            << QByteArray("PixelsPerInch=96\r\nNormPos=10,20,310,220\r\n") << 96 << gesetzt;
        QTest::newRow("andere Aufloesung")
            << QByteArray("PixelsPerInch=120\r\nNormPos=10,20,310,220\r\n") << 96 << QRect();
        QTest::newRow("ohne Aufloesung gilt sie als gleich")
            << QByteArray("NormPos=10,20,310,220\r\n") << 144 << gesetzt;
        QTest::newRow("Aufloesung in hex")
            << QByteArray("PixelsPerInch=0x60\r\nNormPos=10,20,310,220\r\n") << 96 << gesetzt;
        QTest::newRow("links gleich rechts")
            << QByteArray("NormPos=310,20,310,220\r\n") << 96 << QRect();
        QTest::newRow("links rechts von rechts")
            << QByteArray("NormPos=311,20,310,220\r\n") << 96 << QRect();
        QTest::newRow("oben unter unten wird nicht geprueft")
            << QByteArray("NormPos=10,220,310,20\r\n") << 96
            << QRect(QPoint(10, 220), QSize(300, -200));
        QTest::newRow("negative Koordinaten")
            << QByteArray("NormPos=-1610,-20,-1310,180\r\n") << 96 << QRect(-1610, -20, 300, 200);
        QTest::newRow("Blanks um die Zahlen")
            << QByteArray("NormPos= 10 , 20 ,310, 220\r\n") << 96 << gesetzt;
        QTest::newRow("drei Zahlen") << QByteArray("NormPos=10,20,310\r\n") << 96 << QRect();
        QTest::newRow("fuenf Zahlen") << QByteArray("NormPos=10,20,310,220,5\r\n") << 96 << QRect();
        QTest::newRow("leeres Feld") << QByteArray("NormPos=10,,310,220\r\n") << 96 << QRect();
        QTest::newRow("keine Zahl") << QByteArray("NormPos=10,20,abc,220\r\n") << 96 << QRect();
        QTest::newRow("Semikolon") << QByteArray("NormPos=10;20;310;220\r\n") << 96 << QRect();
        QTest::newRow("leer") << QByteArray("NormPos=\r\n") << 96 << QRect();
    }
    void rechteck() {
        QFETCH(QByteArray, zeilen);
        QFETCH(int, ppi);
        QFETCH(QRect, erwartet);
        // The state is read whatever becomes of the rectangle.
        const auto p = lesen(abschnitt("ShowCmd=3\r\n" + zeilen), ppi);
        QVERIFY(p);
        QCOMPARE(p->zustand(), TFensterPlatzierung::TZustand::Maximiert);
        QCOMPARE(p->rechteckGueltig(), !erwartet.isNull());
        if (erwartet.isNull())
            QCOMPARE(p->normalRechteck(), QRect(0, 0, 0, 0));
        else
            QCOMPARE(p->normalRechteck(), erwartet);
    }

    void nichtsAnzuwenden_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("leere Datei") << QByteArray();
        QTest::newRow("anderer Abschnitt")
            << QByteArray("[Form]\r\nShowCmd=1\r\nNormPos=0,0,100,100\r\n");
        QTest::newRow("leerer Abschnitt") << abschnitt("");
        QTest::newRow("nur unbenutzte Schluessel")
            << abschnitt("FormVersion=0\r\nFlags=0\r\nPixelsPerInch=96\r\nVisible=1\r\n");
        QTest::newRow("Rechteck verworfen, kein Zustand")
            << abschnitt("PixelsPerInch=120\r\nNormPos=0,0,100,100\r\n");
    }
    void nichtsAnzuwenden() {
        QFETCH(QByteArray, inhalt);
        QCOMPARE(lesen(inhalt), std::nullopt);
    }

    void fehlendeDatei() {
        QCOMPARE(TFensterPlatzierung::Lesen(ordner.filePath(QStringLiteral("fehlt.ini")), 96),
                 std::nullopt);
    }

    void minMaxPos() {
        auto p = lesen(abschnitt("ShowCmd=1\r\nMinMaxPos=-32000,-32000,-4,-4\r\n"));
        QVERIFY(p);
        QCOMPARE(p->MinPos, QPoint(-32000, -32000));
        QCOMPARE(p->MaxPos, QPoint(-4, -4));
        p = lesen(abschnitt("ShowCmd=1\r\nMinMaxPos=1,2,3\r\n"));
        QVERIFY(p);
        QCOMPARE(p->MinPos, QPoint(-1, -1));
        QCOMPARE(p->MaxPos, QPoint(-1, -1));
    }

    // Edges from the file can be any int; the window must land on the screen, and nothing
    // may overflow on the way (the sanitizer run checks the arithmetic).
    void extremeKantenBleibenAufDemBildschirm_data() {
        QTest::addColumn<QByteArray>("normPos");
        QTest::addColumn<QRect>("erwartet");
        QTest::newRow("links INT_MIN")
            << QByteArray("-2147483648,20,310,220") << QRect(0, 20, 1280, 200);
        QTest::newRow("rechts INT_MAX")
            << QByteArray("10,20,2147483647,220") << QRect(0, 20, 1280, 200);
        QTest::newRow("alles extrem") << QByteArray("-2147483648,-2147483648,2147483647,2147483647")
                                      << QRect(0, 0, 1280, 1000);
        QTest::newRow("weit rechts unten")
            << QByteArray("2147483000,2147483000,2147483640,2147483640")
            << QRect(640, 360, 640, 640);
        QTest::newRow("winzig") << QByteArray("100,100,101,101") << QRect(100, 100, 100, 50);
        QTest::newRow("passt schon") << QByteArray("10,20,310,220") << QRect(10, 20, 300, 200);
        QTest::newRow("unten ueber oben")
            << QByteArray("10,900,310,-2147483648") << QRect(10, 900, 300, 50);
    }
    void extremeKantenBleibenAufDemBildschirm() {
        QFETCH(QByteArray, normPos);
        QFETCH(QRect, erwartet);
        const QRect bildschirm(0, 0, 1280, 1000);
        const auto p = lesen(abschnitt("ShowCmd=1\r\nNormPos=" + normPos + "\r\n"));
        QVERIFY(p);
        QVERIFY(p->rechteckGueltig());
        QCOMPARE(p->rechteckAuf(bildschirm), erwartet);
        QVERIFY(bildschirm.contains(p->rechteckAuf(bildschirm)));
        // Without a screen the plain rectangle is still computed without overflow.
        const QRect roh = p->normalRechteck();
        QVERIFY(roh.width() <= (1 << 25) && roh.height() <= (1 << 25));
    }

    void rechteckAufVersetztemBildschirm() {
        TFensterPlatzierung p;
        p.Links = std::numeric_limits<int>::min();
        p.Oben = std::numeric_limits<int>::min();
        p.Rechts = p.Links + 500;
        p.Unten = p.Oben + 400;
        QCOMPARE(p.rechteckAuf(QRect(-1920, 100, 1920, 1080)), QRect(-1920, 100, 500, 400));
        QCOMPARE(p.rechteckAuf(QRect(0, 0, 80, 40)), QRect(0, 0, 80, 40));
    }

    void extremesRechteckWirdGeschrieben() {
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        TFensterPlatzierung p;
        p.normalRechteckSetzen(QRect(QPoint(kMin, kMax - 10), QPoint(kMax, kMax)));
        QCOMPARE(p.Links, kMin);
        QCOMPARE(p.Rechts, kMax);
        QCOMPARE(p.Oben, kMax - 10);
        QCOMPARE(p.Unten, kMax);
    }

    void schreibfehler() {
        // A regular file where the directory should be stops every user, root included.
        QTemporaryDir eigener;
        const QString blockade =
            schreibeDatei(eigener, QStringLiteral("blockade"), QByteArray("kein Ordner"));
        QVERIFY(!blockade.isEmpty());
        const QString pfad = blockade + QStringLiteral("/formpos.ini");
        QVERIFY(!TFensterPlatzierung::Schreiben(pfad, beispiel()));
        QVERIFY(!QFileInfo::exists(pfad));
        QCOMPARE(leseDatei(blockade), QByteArray("kein Ordner"));
        QCOMPARE(QDir(eigener.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("blockade")});
    }
};

QTEST_GUILESS_MAIN(tst_TFensterPlatzierung)
#include "tst_TFensterPlatzierung.moc"
