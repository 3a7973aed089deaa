#include "tiles/TZeichenfeldRaster.h"

#include <QtTest>

class tst_TZeichenfeldRaster : public QObject {
    Q_OBJECT

    using R = TZeichenfeldRaster;

    // Every tile stands at tile 1 plus whole column and row steps.
    static void rasterPruefen(const R::TErgebnis& e, const QPoint& feld1) {
        for (int n = 1; n <= R::kFelder; ++n) {
            const int spalte = (n - 1) % 13;
            const int zeile = (n - 1) / 13;
            const QPoint soll(feld1.x() + spalte * e.spaltenSchritt,
                              feld1.y() + zeile * e.zeilenSchritt);
            QVERIFY2(e.felder[n - 1] == soll, qPrintable(QStringLiteral("tile %1").arg(n)));
        }
    }

private slots:
    void entworfeneSeite() {
        const R::TErgebnis e = R::berechnen({});
        QCOMPARE(e.breiteGroupBox1, 514);
        QCOMPARE(e.breiteGroupBox2, 515);
        QCOMPARE(e.breiteGroupBox3und4, 515);
        QCOMPARE(e.breiteAntwortEdit, 491);
        QCOMPARE(e.spaltenSchritt, 40); // 515 / 13 = 39.6
        QCOMPARE(e.zeilenSchritt, 39);  // 270 / 7 = 38.6
        QCOMPARE(e.felder[0], QPoint(239, 260));
        QCOMPARE(e.felder[12], QPoint(719, 260));
        QCOMPARE(e.felder[78], QPoint(239, 494));
        QCOMPARE(e.felder[90], QPoint(719, 494));
        rasterPruefen(e, {239, 260});
        // 14 pixels are left between the last row and the status bar.
        QCOMPARE(571 - 31 - (e.felder[90].y() + 32), 14);
    }

    void boxenFolgenIhrenLinks() {
        R::TEingabe ein;
        ein.seitenBreite = 900;
        ein.linksGroupBox1 = 100;
        ein.linksGroupBox2 = 300;
        ein.linksAntwortEdit = 20;
        const R::TErgebnis e = R::berechnen(ein);
        QCOMPARE(e.breiteGroupBox1, 770);
        QCOMPARE(e.breiteGroupBox2, 570);
        QCOMPARE(e.breiteGroupBox3und4, 570);
        QCOMPARE(e.breiteAntwortEdit, 530);
        QCOMPARE(e.spaltenSchritt, 44); // 570 / 13 = 43.8
    }

    void kleinsteFensterUeberlappen() {
        const R::TErgebnis e = R::berechnen({.seitenBreite = 500, .seitenHoehe = 500});
        QCOMPARE(e.spaltenSchritt, 18); // 230 / 13 = 17.7
        QCOMPARE(e.zeilenSchritt, 28);  // 199 / 7 = 28.4
        QVERIFY(e.felder[1].x() - e.felder[0].x() < 32);
        QVERIFY(e.felder[13].y() - e.felder[0].y() < 32);
        rasterPruefen(e, {239, 260});
    }

    void winzigeSeiteGibtNegativeSchritte() {
        // -70 / 13 = -5.4 and -32 / 7 = -4.6: rounding, not truncation towards zero.
        const R::TErgebnis e = R::berechnen({.seitenBreite = 200, .seitenHoehe = 269});
        QCOMPARE(e.breiteGroupBox2, -70);
        QCOMPARE(e.spaltenSchritt, -5);
        QCOMPARE(e.zeilenSchritt, -5);
        QCOMPARE(e.felder[0], QPoint(239, 260));
        QCOMPARE(e.felder[90], QPoint(239 - 60, 260 - 30));
        rasterPruefen(e, {239, 260});
    }

    void breiterVerteiltSpalten() {
        const R::TErgebnis schmal = R::berechnen({});
        const R::TErgebnis breit = R::berechnen({.seitenBreite = 1200, .seitenHoehe = 900});
        QCOMPARE(breit.spaltenSchritt, 72); // 930 / 13 = 71.5
        QCOMPARE(breit.zeilenSchritt, 86);  // 599 / 7 = 85.6
        QVERIFY(breit.felder[12].x() > schmal.felder[12].x());
        for (int zeile = 0; zeile < 7; ++zeile)
            QCOMPARE(breit.felder[zeile * 13].x(), 239);
        QCOMPARE(breit.felder[0], QPoint(239, 260));
        rasterPruefen(breit, {239, 260});
    }
};

QTEST_GUILESS_MAIN(tst_TZeichenfeldRaster)
#include "tst_TZeichenfeldRaster.moc"
