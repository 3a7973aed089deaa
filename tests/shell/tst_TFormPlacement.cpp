#include "shell/ui/TFormPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <QWidget>
#include <QtTest>
#include <array>
#include <limits>

class tst_TFormPlacement : public QObject {
    Q_OBJECT

    static TFensterPlatzierung platzierung(const QRect& rahmen, int showCmd) {
        TFensterPlatzierung p;
        p.ShowCmd = showCmd;
        p.normalRechteckSetzen(rahmen);
        return p;
    }

private slots:
    void normalerZustand() {
        QWidget fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QRect rahmen(40, 30, 500, 320);
        TFormPlacement::Anwenden(fenster, platzierung(rahmen, TFensterPlatzierung::kNormal));
        QCOMPARE(fenster.frameGeometry(), rahmen);
        QVERIFY(!fenster.isMaximized());

        const TFensterPlatzierung p = TFormPlacement::Erfassen(fenster);
        QCOMPARE(p.ShowCmd, TFensterPlatzierung::kNormal);
        QCOMPARE(p.normalRechteck(), rahmen);
        QCOMPARE(p.Rechts, 540);
        QCOMPARE(p.Unten, 350);
        QCOMPARE(p.PixelsPerInch, fenster.logicalDpiY());
    }

    void maximiertBehaeltNormalesRechteck() {
        QWidget fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QRect rahmen(60, 70, 400, 300);
        TFormPlacement::Anwenden(fenster, platzierung(rahmen, TFensterPlatzierung::kMaximiert));
        QVERIFY(fenster.isMaximized());
        QTRY_VERIFY(fenster.frameGeometry() != rahmen);

        const TFensterPlatzierung p = TFormPlacement::Erfassen(fenster);
        QCOMPARE(p.ShowCmd, TFensterPlatzierung::kMaximiert);
        QCOMPARE(p.normalRechteck(), rahmen);

        // The next start: the file's round trip brings back both.
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("formpos.ini"));
        QVERIFY(TFensterPlatzierung::Schreiben(pfad, p));
        const auto gelesen =
            TFensterPlatzierung::Lesen(pfad, TFormPlacement::BildschirmPpi(fenster));
        QVERIFY(gelesen);
        QWidget neu;
        neu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&neu));
        TFormPlacement::Anwenden(neu, *gelesen);
        QVERIFY(neu.isMaximized());
        neu.showNormal();
        QTRY_COMPARE(neu.frameGeometry(), rahmen);
    }

    void ohneRechteckBleibtDieGroesse() {
        QWidget fenster;
        fenster.setGeometry(20, 20, 300, 200);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QRect vorher = fenster.frameGeometry();
        TFensterPlatzierung p;
        p.ShowCmd = 8; // no state of its own
        TFormPlacement::Anwenden(fenster, p);
        QCOMPARE(fenster.frameGeometry(), vorher);
        QCOMPARE(fenster.windowState(), Qt::WindowNoState);
    }

    void extremeKantenBleibenAufDemBildschirm() {
        const QRect frei = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        const std::array<std::array<int, 4>, 3> faelle = {{
            {kMin, 20, 310, 220},
            {kMin, kMin, kMax, kMax},
            {10, 900, 310, kMin},
        }};
        for (const auto& [links, oben, rechts, unten] : faelle) {
            QWidget fenster;
            fenster.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fenster));
            TFensterPlatzierung p;
            p.ShowCmd = TFensterPlatzierung::kNormal;
            p.Links = links;
            p.Oben = oben;
            p.Rechts = rechts;
            p.Unten = unten;
            TFormPlacement::Anwenden(fenster, p);
            QVERIFY2(frei.contains(fenster.frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4")
                                    .arg(fenster.x())
                                    .arg(fenster.y())
                                    .arg(fenster.width())
                                    .arg(fenster.height())));
            QVERIFY(fenster.width() >= 50 && fenster.height() >= 20);
        }
    }

    void unsichtbaresFensterBleibtUnsichtbar() {
        QWidget fenster;
        TFormPlacement::Anwenden(
            fenster, platzierung(QRect(5, 6, 200, 100), TFensterPlatzierung::kMaximiert));
        QVERIFY(!fenster.isVisible());
        QVERIFY(fenster.windowState() & Qt::WindowMaximized);
    }

    void minimiertAusMaximiert() {
        QWidget fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        TFensterPlatzierung p = platzierung(QRect(5, 6, 200, 100), TFensterPlatzierung::kMinimiert);
        p.Flags = TFensterPlatzierung::kWiederMaximiert;
        TFormPlacement::Anwenden(fenster, p);
        QCOMPARE(fenster.windowState(), Qt::WindowMinimized | Qt::WindowMaximized);

        const TFensterPlatzierung erfasst = TFormPlacement::Erfassen(fenster);
        QCOMPARE(erfasst.ShowCmd, TFensterPlatzierung::kMinimiert);
        QCOMPARE(erfasst.Flags, TFensterPlatzierung::kWiederMaximiert);
        QCOMPARE(erfasst.normalRechteck(), QRect(5, 6, 200, 100));
    }
};

QTEST_MAIN(tst_TFormPlacement)
#include "tst_TFormPlacement.moc"
