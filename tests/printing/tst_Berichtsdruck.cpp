#include "TFakeFortschritt.h"
#include "TFakePlattform.h"
#include "TPdfText.h"
#include "lessons/TLektion.h"
#include "printing/TBerichtAufbereitung.h"
#include "printing/TBerichtVorlagen.h"
#include "printing/TEditorLektionsQuelle.h"
#include "printing/TLektionsBerichtQuelle.h"
#include "printing/TLektionslistenQuelle.h"
#include "printing/TSeitenaufteilung.h"
#include "printing/ui/TBerichtMaler.h"
#include "printing/ui/TBerichtPdf.h"
#include "shell/TOptionenModell.h"
#include "shell/TTexte.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kZusatz = TTexte::versionsZusatz();

QStringList zeilen(int anzahl) {
    QStringList z;
    for (int i = 1; i <= anzahl; ++i)
        z.append(QStringLiteral("A%1;F%1X").arg(i, 4, 10, QLatin1Char('0')));
    return z;
}

TFertigerBericht editorBericht(const QStringList& z,
                               const QString& pfad = QStringLiteral("/l/x.txt")) {
    TBerichtLayout layout = TBerichtVorlagen::lektionsBericht(true);
    TEditorLektionsQuelle quelle(kZusatz);
    quelle.fuellen(z, pfad);
    return *TBerichtAufbereitung::vorbereiten(layout, quelle);
}

// One page at 96 dpi, as the screen shows it.
QImage bild(const TFertigerBericht& b, int seite = 0) {
    QImage img(TBerichtVorlagen::kSeitenBreite, TBerichtVorlagen::kSeitenHoehe,
               QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    QPainter maler(&img);
    const QSize groesse(img.width(), img.height());
    const auto seiten = b.seiten(groesse.height());
    TBerichtMaler::seiteMalen(maler, b, seiten.at(seite), seite + 1, groesse);
    return img;
}

// The main window's report over a lesson, with the colour rule as asked.
struct THauptBericht {
    TLektion lektion;
    TOptionenModell optionen;
    TFakePlattform p;
    TBerichtLayout layout = TBerichtVorlagen::lektionsBericht(false);

    TFertigerBericht machen(const QStringList& z, bool konzept) {
        lektion.StrHolderLektion = z;
        lektion.Pfad = QStringLiteral("/home/kind/Lektion/tiere.txt");
        optionen.setzen(TOption::OhneFarbeDrucken, konzept);
        TLektionsBerichtQuelle quelle(lektion, optionen, kZusatz, p.warten, p.zufall);
        quelle.fuellen();
        return *TBerichtAufbereitung::vorbereiten(layout, quelle);
    }
};

// Share of pixels that differ clearly; font rasterisation moves a few edges only.
double abweichung(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 1.0;
    qint64 anders = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) >
                96)
                ++anders;
        }
    return double(anders) / (a.width() * a.height());
}

} // namespace

class tst_Berichtsdruck : public QObject {
    Q_OBJECT

private slots:
    void seitenaufteilung() {
        using S = TSeitenaufteilung;
        const int h = TBerichtVorlagen::kSeitenHoehe;
        // Lesson report: 134 + 26 of 1122 leave room for eleven bands of 82.
        QCOMPARE(S::aufteilen(h, 134, 82, 26, 0), (QList<TSeitenBereich>{{0, 0}}));
        QCOMPARE(S::aufteilen(h, 134, 82, 26, 1), (QList<TSeitenBereich>{{0, 1}}));
        QCOMPARE(S::aufteilen(h, 134, 82, 26, 11), (QList<TSeitenBereich>{{0, 11}}));
        QCOMPARE(S::aufteilen(h, 134, 82, 26, 12), (QList<TSeitenBereich>{{0, 11}, {11, 1}}));
        const auto hundert = S::aufteilen(h, 134, 82, 26, 100);
        QCOMPARE(hundert.size(), 10);
        QCOMPARE(hundert.constLast(), (TSeitenBereich{99, 1}));
        // The list: 31 bands of 30 below a header of 142.
        QCOMPARE(S::proSeite(h, 142, 30, 26), 31);
        // A page too small for one band still moves on, one band a page.
        QCOMPARE(S::aufteilen(100, 134, 82, 26, 3).size(), 3);
    }

    void seitenImPdf_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("seiten");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("100") << 100 << 10;
    }
    // Header on every page, "Seite n" on page n, every line once with its number.
    void seitenImPdf() {
        QFETCH(int, zeilen);
        QFETCH(int, seiten);
        const TFertigerBericht b = editorBericht(::zeilen(zeilen), QStringLiteral("/l/[x] y.txt"));
        const QStringList text = pdfSeiten(TBerichtPdf::erzeugen(b));
        QCOMPARE(text.size(), seiten);
        QString alles;
        for (int n = 1; n <= seiten; ++n) {
            const QString& seite = text.at(n - 1);
            QVERIFY2(seite.contains(
                         QRegularExpression(QStringLiteral("DRILLA, der Lerntrainer +V3.5b"))),
                     qPrintable(seite));
            QVERIFY(seite.contains(QStringLiteral("Gesamte Lektion drucken...")));
            QVERIFY(seite.contains(QStringLiteral("/l/[x] y.txt")));
            QVERIFY(seite.contains(QRegularExpression(QStringLiteral("Seite %1\\s*$").arg(n))));
            QVERIFY(!seite.contains(QStringLiteral("[PAGE#]")));
            alles += seite;
        }
        for (int i = 1; i <= zeilen; ++i) {
            const QString nr = QString::number(i).rightJustified(4, QLatin1Char('0'));
            QCOMPARE(alles.count(QStringLiteral("F%1X").arg(nr)), 1);
            QCOMPARE(alles.count(QRegularExpression(QStringLiteral("\\bA%1\\b").arg(nr))), 1);
        }
        // Numbers 1..N in table order: each record's number is its row's.
        QRegularExpression satz(QStringLiteral("^\\s*(\\d+)\\s+Aufgabe\\s+F(\\d{4})X"),
                                QRegularExpression::MultilineOption);
        QList<int> nummern;
        for (auto it = satz.globalMatch(alles); it.hasNext();) {
            const auto treffer = it.next();
            QCOMPARE(treffer.captured(1).toInt(), treffer.captured(2).toInt());
            nummern.append(treffer.captured(1).toInt());
        }
        QCOMPARE(nummern.size(), zeilen);
        QVERIFY(std::is_sorted(nummern.begin(), nummern.end()));
    }

    // A printer's resolution is not the screen's: auto-width boxes still fit their text.
    void druckerAufloesung() {
        const TFertigerBericht b = editorBericht(zeilen(1));
        QImage img(TBerichtVorlagen::kSeitenBreite * 3, TBerichtVorlagen::kSeitenHoehe * 3,
                   QImage::Format_RGB32);
        img.setDotsPerMeterX(3780 * 3);
        img.setDotsPerMeterY(3780 * 3);
        img.fill(Qt::white);
        QPainter maler(&img);
        TBerichtMaler::masstabSetzen(maler, img.logicalDpiY());
        const QSize groesse(TBerichtVorlagen::kSeitenBreite, TBerichtVorlagen::kSeitenHoehe);
        TBerichtMaler::seiteMalen(maler, b, b.seiten(groesse.height()).at(0), 1, groesse);
        maler.end();
        // The footer's "DRILLA V3.5b" reaches well past its first letter.
        int dunkel = 0;
        for (int y = (1122 - 22) * 3; y < (1122 - 4) * 3; ++y)
            for (int x = 50 * 3; x < 90 * 3; ++x)
                dunkel += qGray(img.pixel(x, y)) < 128;
        QVERIFY(dunkel > 50);
    }

    // Only "[PAGE#]" of the layout is worked out; a lesson's brackets print as they stand.
    void klammernBleiben() {
        const TFertigerBericht b =
            editorBericht({QStringLiteral("[PAGE#];[Datum] Frage"), QStringLiteral("x;[PAGE#]")});
        const QString seite = pdfSeiten(TBerichtPdf::erzeugen(b)).value(0);
        QCOMPARE(seite.count(QStringLiteral("[PAGE#]")), 2);
        QVERIFY(seite.contains(QStringLiteral("[Datum] Frage")));
        QVERIFY(seite.contains(QStringLiteral("Seite 1")));
    }

    void farbregel() {
        THauptBericht farbig;
        const QImage f = bild(farbig.machen(zeilen(3), false));
        THauptBericht konzept;
        const QImage k = bild(konzept.machen(zeilen(3), true));
        const int zeile1 = 134, zeile2 = 134 + 82;
        QCOMPARE(f.pixelColor(4, 3), QColor(0, 0, 128));              // Memo1 navy
        QCOMPARE(k.pixelColor(4, 3), QColor(Qt::white));              //   white in draft
        QCOMPARE(f.pixelColor(30, zeile1 + 60), QColor(255, 255, 0)); // odd record yellow
        QCOMPARE(f.pixelColor(30, zeile2 + 60), QColor(Qt::white));   // even not filled
        QCOMPARE(k.pixelColor(30, zeile1 + 60), QColor(Qt::white));
        QCOMPARE(f.pixelColor(80, zeile1 + 20), QColor(Qt::black)); // IndexMemo black
        QCOMPARE(k.pixelColor(80, zeile1 + 20), QColor(Qt::white));
        QCOMPARE(f.pixelColor(160, zeile1 + 60), QColor(Qt::black)); // AntwortLabel
        // The layout's own colours stay for the editor: navy boxes over a grey shadow.
        const QImage e = bild(editorBericht(zeilen(1)));
        QCOMPARE(e.pixelColor(80, zeile1 + 20), QColor(0, 0, 128));
        QCOMPARE(e.pixelColor(76 + 64 - 3, zeile1 + 8 + 30 - 3), QColor(128, 128, 128));
        QCOMPARE(e.pixelColor(30, zeile1 + 60), QColor(255, 255, 128));
    }

    // No-wrap text wider than its box stops at the box's edge.
    void langerTextWirdAbgeschnitten() {
        THauptBericht h;
        const QImage img =
            bild(h.machen({QStringLiteral("kurz;") + QString(300, QLatin1Char('W'))}, true));
        int dunkel = 0, drinnen = 0;
        for (int y = 134 + 12; y < 134 + 33; ++y) {
            for (int x = 729; x < 793; ++x)
                dunkel += qGray(img.pixel(x, y)) < 128;
            for (int x = 280; x < 720; ++x)
                drinnen += qGray(img.pixel(x, y)) < 128;
        }
        QCOMPARE(dunkel, 0);
        QVERIFY(drinnen > 100);
    }

    void abbrechenUndLeer() {
        TBerichtLayout layout = TBerichtVorlagen::lektionsBericht(true);
        TEditorLektionsQuelle quelle(kZusatz);
        quelle.fuellen(zeilen(5), {});
        TFakeFortschritt fortschritt;
        fortschritt.abbrechenBei = 2;
        QVERIFY(!TBerichtAufbereitung::vorbereiten(layout, quelle, &fortschritt));
        QCOMPARE(fortschritt.gemeldet, (QList<int>{1, 2}));
        QCOMPARE(fortschritt.beendet, 1);
        // No records: one page of header and footer, nothing invented.
        quelle.fuellen({}, {});
        const auto leer = TBerichtAufbereitung::vorbereiten(layout, quelle);
        QVERIFY(leer && leer->Datensaetze.isEmpty());
        QCOMPARE(pdfSeiten(TBerichtPdf::erzeugen(*leer)).size(), 1);
    }

    void goldeneBilder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lektion") << QStringLiteral("bericht_lektion.png");
        QTest::newRow("editor") << QStringLiteral("bericht_editor.png");
        QTest::newRow("liste") << QStringLiteral("bericht_liste.png");
    }
    void goldeneBilder() {
        QFETCH(QString, name);
        QImage img;
        QTemporaryDir ordner;
        if (name == QStringLiteral("bericht_lektion.png")) {
            THauptBericht h;
            h.optionen.setzen(TOption::Lesemodus, false);
            img =
                bild(h.machen({QStringLiteral("the dog;der Hund"),
                               QStringLiteral("the cat;die Katze"), QStringLiteral("ohne Strich")},
                              false));
        } else if (name == QStringLiteral("bericht_editor.png")) {
            img = bild(editorBericht(
                {QStringLiteral("the dog;der Hund"), QStringLiteral("Maße;Straße mit ß")},
                QStringLiteral("/home/kind/Lektion/tiere.txt")));
        } else {
            const QDateTime zeit(QDate(2026, 3, 14), QTime(10, 0));
            QStringList namen;
            for (const char* n : {"englisch.txt", "mathe.txt", "weg.txt"}) {
                QFile f(ordner.filePath(QString::fromLatin1(n)));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(QByteArray(int(qstrlen(n)) * 10, 'x'));
                f.flush();
                f.setFileTime(zeit, QFileDevice::FileModificationTime);
                namen.append(QString::fromLatin1(n));
            }
            QFile::remove(ordner.filePath(QStringLiteral("weg.txt")));
            TBerichtLayout layout = TBerichtVorlagen::lektionsListe();
            TLektionslistenQuelle quelle(kZusatz, QLocale(QLocale::German, QLocale::Germany));
            quelle.fuellen(namen, ordner.path(), QStringLiteral("/home/kind/Lektion/tiere.txt"));
            img = bild(*TBerichtAufbereitung::vorbereiten(layout, quelle));
        }
        const QString golden = QStringLiteral(DRILLA_TESTDATEN "/") + name;
        if (const QByteArray ziel = qgetenv("DRILLA_BILDER_SCHREIBEN"); !ziel.isEmpty()) {
            QVERIFY(img.save(QString::fromLocal8Bit(ziel) + QLatin1Char('/') + name));
            QSKIP("written");
        }
        const QImage soll(golden);
        QVERIFY2(!soll.isNull(), qPrintable(golden));
        const double anteil = abweichung(img.convertToFormat(QImage::Format_RGB32),
                                         soll.convertToFormat(QImage::Format_RGB32));
        if (anteil > 0.003)
            img.save(QDir::temp().filePath(name));
        QVERIFY2(anteil <= 0.003, qPrintable(QString::number(anteil)));
    }
};

QTEST_MAIN(tst_Berichtsdruck)
#include "tst_Berichtsdruck.moc"
