#include "shell/ui/TSymbole.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

// Icons loaded a size at a time give the very pictures of icons holding all sizes at once, for
// any size, pixel ratio, mode and state a widget may ask for; every picture the program shows
// is embedded at the sizes it asks for.
class tst_TSymbole : public QObject {
    Q_OBJECT

    static void gleich(const QIcon& spaet, const QIcon& sofort) {
        QCOMPARE(spaet.isNull(), sofort.isNull());
        QCOMPARE(spaet.availableSizes(), sofort.availableSizes());
        QCOMPARE(spaet.availableSizes(QIcon::Disabled), sofort.availableSizes(QIcon::Disabled));
        for (int g : {1, 16, 20, 23, 24, 25, 34, 36, 48, 49, 64, 100})
            for (qreal dpr : {1.0, 1.5, 2.0, 3.0})
                for (QIcon::Mode modus : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
                    for (QIcon::State zustand : {QIcon::Off, QIcon::On}) {
                        const QSize groesse(g, g);
                        const QString fall = QStringLiteral("%1 px, ratio %2, mode %3, state %4")
                                                 .arg(g)
                                                 .arg(dpr)
                                                 .arg(modus)
                                                 .arg(zustand);
                        QVERIFY2(spaet.actualSize(groesse, modus, zustand) ==
                                     sofort.actualSize(groesse, modus, zustand),
                                 qPrintable(fall));
                        const QPixmap a = spaet.pixmap(groesse, dpr, modus, zustand);
                        const QPixmap b = sofort.pixmap(groesse, dpr, modus, zustand);
                        QVERIFY2(a.devicePixelRatio() == b.devicePixelRatio(), qPrintable(fall));
                        QVERIFY2(a.toImage() == b.toImage(), qPrintable(fall));
                        QImage malA(g + 4, g + 4, QImage::Format_ARGB32_Premultiplied);
                        malA.setDevicePixelRatio(dpr);
                        malA.fill(Qt::transparent);
                        QImage malB = malA.copy();
                        {
                            QPainter p(&malA);
                            spaet.paint(&p, QRect(2, 2, g, g), Qt::AlignCenter, modus, zustand);
                        }
                        {
                            QPainter p(&malB);
                            sofort.paint(&p, QRect(2, 2, g, g), Qt::AlignCenter, modus, zustand);
                        }
                        QVERIFY2(malA == malB, qPrintable(fall));
                    }
    }

    static QIcon sofort(const QString& name, std::initializer_list<int> groessen) {
        QIcon icon;
        for (int g : groessen)
            icon.addPixmap(TSymbole::bild(name, g));
        return icon;
    }
    static QIcon werkzeugSofort(int nummer) {
        if (nummer < 1 || nummer > 7)
            return QIcon();
        return sofort(QStringLiteral("werkzeug%1").arg(nummer), {24, 48});
    }

private slots:
    void werkzeugSymbole_data() {
        QTest::addColumn<int>("nummer");
        for (int n = 0; n <= 8; ++n)
            QTest::addRow("%d", n) << n;
    }
    void werkzeugSymbole() {
        QFETCH(int, nummer);
        gleich(TSymbole::werkzeug(nummer), werkzeugSofort(nummer));
        // Copies share the pictures drawn so far and still answer alike.
        const QIcon kopie = TSymbole::werkzeug(nummer);
        QIcon zweite = kopie;
        gleich(zweite, werkzeugSofort(nummer));
        gleich(kopie, werkzeugSofort(nummer));
    }
    void programmSymbol() {
        gleich(TSymbole::programm(), sofort(QStringLiteral("programm"), {16, 24, 32, 48, 64, 128}));
    }
    void eingebetteteBilder() {
        for (const QPixmap& bild : {TSymbole::info(), TSymbole::loesung()}) {
            QCOMPARE(bild.size(), QSize(32, 32));
            QVERIFY(!bild.toImage().isNull());
        }
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(TSymbole::status(n).size(), QSize(16, 16));
        QVERIFY(TSymbole::status(0).isNull());
        QVERIFY(TSymbole::status(5).isNull());
        QVERIFY(TSymbole::bild(QStringLiteral("info"), 31).isNull());
        // Drawn, not empty: every picture has opaque pixels and transparent corners.
        for (const QPixmap& bild : {TSymbole::info(), TSymbole::loesung(), TSymbole::status(2),
                                    TSymbole::bild(QStringLiteral("werkzeug4"), 48),
                                    TSymbole::bild(QStringLiteral("programm"), 128)}) {
            const QImage b = bild.toImage();
            QCOMPARE(qAlpha(b.pixel(0, 0)), 0);
            int deckend = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    deckend += qAlpha(b.pixel(x, y)) == 255;
            QVERIFY(deckend > b.width());
        }
    }
    void anwendungssymbolWieDieDatei() {
        const QPixmap bild = TSymbole::anwendung().pixmap(256);
        QCOMPARE(bild.size(), QSize(256, 256));
        QCOMPARE(bild.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 QImage(QStringLiteral(DRILLA_SYMBOL_PNG))
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

// On a screen of ratio 2 an icon that asked the application's ratio would scale twice.
int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication anwendung(argc, argv);
    tst_TSymbole test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_TSymbole.moc"
