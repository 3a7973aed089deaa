#include "shell/ui/TQtKlang.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QtTest>

namespace {

const QStringList kNamen = {"type",     "Othrlasr", "Mblaugh",  "whoosh1",
                            "msremind", "drum",     "Applause", "camera"};

} // namespace

// The real sound service on a machine without any audio device.
class tst_TQtKlang : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No audio server, even on a developer's desktop: nothing may depend on one.
        qputenv("PULSE_SERVER", "unix:/nonexistent/drilla-kein-ton");
    }

    void jederKlangWirdFertigGeladen() {
        // The decoder's complaint is what a missing clip used to log at every play.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("rror decoding")));
        TQtKlang klang({QStringLiteral(DRILLA_MODULORDNER)});
        for (int i = 0; i < TQtKlang::kAnzahl; ++i) {
            const QSoundEffect* effekt = klang.effekt(i);
            QVERIFY(effekt);
            QCOMPARE(effekt->source().toString(),
                     QStringLiteral("qrc:/klaenge/%1.wav").arg(kNamen.at(i)));
            QTRY_COMPARE_WITH_TIMEOUT(effekt->status(), QSoundEffect::Ready, 5000);
        }
        QCOMPARE(klang.effekt(-1), nullptr);
        QCOMPARE(klang.effekt(TQtKlang::kAnzahl), nullptr);
    }

    void spielenOhneGeraetBlockiertNie() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("rror decoding")));
        TQtKlang klang({QStringLiteral(DRILLA_MODULORDNER)});
        QElapsedTimer uhr;
        uhr.start();
        // First play loads, later ones cut off a clip that never ends without a device.
        for (int runde = 0; runde < 3; ++runde)
            for (int i = -1; i <= TQtKlang::kAnzahl; ++i)
                klang.spielen(i);
        QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
        QTRY_COMPARE_WITH_TIMEOUT(klang.effekt(1)->status(), QSoundEffect::Ready, 5000);
        uhr.restart();
        klang.spielen(3);
        klang.spielen(1);
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    }
};

QTEST_MAIN(tst_TQtKlang)
#include "tst_TQtKlang.moc"
