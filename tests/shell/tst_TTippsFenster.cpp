#include "TFakeMeldungen.h"
#include "TTestDateien.h"
#include "shell/TNewIniFile.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/TTippsFenster.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTitel = QStringLiteral("DRILLA, der Lerntrainer  V3.5b ");
const QString kTips = QStringLiteral("TIPS");
const QString kNichtGespeichert = QStringLiteral("Die Daten können nicht gespeichert werden!\r\n"
                                                 "Eventuell ist der Datenträger schreibgeschützt.");

QByteArray dreiTipps(const QByteArray& tipsZeilen) {
    return "[TIPS]\r\n" + tipsZeilen + "\r\n[TIP TEXT]\r\nTip1=Eins\r\nTip2=Zwei\r\nTip3=Drei\r\n";
}

template <typename T> T* kind(const QWidget& fenster, const char* name) {
    T* w = fenster.findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("%s missing", name);
    return w;
}

QString tippText(const QWidget& fenster) {
    return kind<QLabel>(fenster, "TippText")->text();
}

QString naechsterTip(const QString& pfad) {
    return TNewIniFile(pfad).textLesen(kTips, QStringLiteral("NextTip"), {});
}

} // namespace

class tst_TTippsFenster : public QObject {
    Q_OBJECT

private slots:
    void aufbau() {
        QTemporaryDir ordner;
        TTippsDatei datei(schreibeDatei(ordner, "drilla3.tip", dreiTipps("NextTip=1")));
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCOMPARE(fenster.objectName(), QStringLiteral("abcWelcomeTips1"));
        QCOMPARE(fenster.windowTitle(), kTitel);
        // Designed 486 wide; wider only as far as the check box needs for its whole text.
        const int breite = fenster.width();
        QVERIFY(breite >= 486);
        QCOMPARE(fenster.height(), 258);
        QCOMPARE(fenster.minimumSize(), fenster.maximumSize());
        QVERIFY(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const auto* haken = kind<QCheckBox>(fenster, "ZeigenCheckBox");
        QVERIFY(haken->width() >= haken->sizeHint().width());
        const QPushButton* schliessen = kind<QPushButton>(fenster, "SchliessenBtn");
        QVERIFY(haken->geometry().right() < schliessen->x());
        QCOMPARE(schliessen->geometry().right(), breite - 18);

        QCOMPARE(kind<QFrame>(fenster, "Panel1")->geometry(), QRect(0, 0, breite, 41));
        QCOMPARE(kind<QFrame>(fenster, "Panel2")->geometry(), QRect(0, 41, breite, 177));
        QCOMPARE(kind<QFrame>(fenster, "Panel3")->geometry(), QRect(0, 218, breite, 40));

        const QLabel* gruss = kind<QLabel>(fenster, "TippsUeberschrift");
        QCOMPARE(gruss->text(), QStringLiteral("Tipps und Tricks "));
        QCOMPARE(gruss->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(gruss->font().pixelSize(), 24);
        QVERIFY(gruss->font().bold());

        const QFrame* feld = kind<QFrame>(fenster, "TippFeld");
        QCOMPARE(feld->geometry(), QRect(13, 6, 329, 155));
        QCOMPARE(feld->palette().color(QPalette::Window), QColor(255, 255, 231));
        QCOMPARE(kind<QLabel>(fenster, "TippBild")->geometry(), QRect(26, 24, 32, 38));
        const QLabel* kopf = kind<QLabel>(fenster, "TippLabel");
        QCOMPARE(kopf->text(), QStringLiteral("Tipp"));
        QCOMPARE(kopf->pos(), QPoint(74, 33));
        QVERIFY(kopf->font().bold());
        const QLabel* text = kind<QLabel>(fenster, "TippText");
        QCOMPARE(text->geometry(), QRect(74, 64, 249, 81));
        QVERIFY(text->wordWrap());
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QCOMPARE(text->palette().color(QPalette::Window), QColor(255, 255, 231));
        QVERIFY(text->autoFillBackground());

        const QPushButton* naechster = kind<QPushButton>(fenster, "NaechsterTippBtn");
        QCOMPARE(naechster->text(), QStringLiteral("Nächster Tipp"));
        const int mehr = breite - 486;
        QCOMPARE(naechster->geometry(), QRect(356 + mehr, 6, 113, 23));
        const QCheckBox* kaestchen = kind<QCheckBox>(fenster, "ZeigenCheckBox");
        QCOMPARE(kaestchen->text(),
                 QStringLiteral("&Diesen Dialog beim nächsten Programmstart anzeigen ..."));
        QCOMPARE(kaestchen->geometry(), QRect(14, 4, qMax(327, kaestchen->sizeHint().width()), 32));
        QCOMPARE(schliessen->text(), QStringLiteral("Schließen"));
        QCOMPARE(schliessen->geometry(), QRect(356 + mehr, 2, 113, 23));
        QVERIFY(schliessen->isDefault());
        QVERIFY(meldungen.leer());
    }

    void mittigAufDemBildschirm() {
        TTippsDatei datei(QString{});
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect rahmen = fenster.frameGeometry();
        QVERIFY(qAbs(rahmen.center().x() - frei.center().x()) <= 1);
        QVERIFY(qAbs(rahmen.center().y() - frei.center().y()) <= 1);
    }

    void tippsNacheinander() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip", dreiTipps("NextTip=3"));
        TTippsDatei datei(pfad);
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCOMPARE(tippText(fenster), QStringLiteral("Drei"));
        QCOMPARE(naechsterTip(pfad), QStringLiteral("4"));
        // Showing the window it was built for must not skip a tip.
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(tippText(fenster), QStringLiteral("Drei"));
        kind<QPushButton>(fenster, "NaechsterTippBtn")->click();
        QCOMPARE(tippText(fenster), QStringLiteral("Eins"));
        QCOMPARE(naechsterTip(pfad), QStringLiteral("2"));
        // Showing it again is another opening.
        fenster.hide();
        fenster.show();
        QCOMPARE(tippText(fenster), QStringLiteral("Zwei"));
        QCOMPARE(naechsterTip(pfad), QStringLiteral("3"));
        QVERIFY(meldungen.leer());
    }

    void kaestchenSchreibtSofort() {
        QTemporaryDir ordner;
        const QString pfad = schreibeDatei(ordner, "drilla3.tip", dreiTipps("NextTip=1"));
        TTippsDatei datei(pfad);
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCheckBox* kaestchen = kind<QCheckBox>(fenster, "ZeigenCheckBox");
        QVERIFY(kaestchen->isChecked());
        // Setting the box from the file wrote nothing.
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "ShowOnStartup", "fehlt"), "fehlt");
        kaestchen->click();
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "ShowOnStartup", {}), QStringLiteral("0"));
        kaestchen->click();
        QCOMPARE(TNewIniFile(pfad).textLesen(kTips, "ShowOnStartup", {}), QStringLiteral("1"));
        QVERIFY(meldungen.leer());
    }

    void ausgeschaltetBleibtAus() {
        QTemporaryDir ordner;
        TTippsDatei datei(
            schreibeDatei(ordner, "drilla3.tip", dreiTipps("ShowOnStartup=0\r\nNextTip=1")));
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QVERIFY(!kind<QCheckBox>(fenster, "ZeigenCheckBox")->isChecked());
    }

    void ohneTippsDatei() {
        TTippsDatei datei(QString{});
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCOMPARE(tippText(fenster), QString());
        QCheckBox* kaestchen = kind<QCheckBox>(fenster, "ZeigenCheckBox");
        QVERIFY(!kaestchen->isChecked());
        kaestchen->click();
        kind<QPushButton>(fenster, "NaechsterTippBtn")->click();
        QVERIFY(meldungen.leer());
    }

    void schliessen_data() {
        QTest::addColumn<int>("weg");
        QTest::newRow("Esc") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Schliessen") << 2;
    }
    void schliessen() {
        QFETCH(int, weg);
        TTippsDatei datei(QString{});
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        if (weg == 0)
            QTest::keyClick(&fenster, Qt::Key_Escape);
        else if (weg == 1)
            QTest::keyClick(&fenster, Qt::Key_Return);
        else
            kind<QPushButton>(fenster, "SchliessenBtn")->click();
        QVERIFY(!fenster.isVisible());
    }

    void schreibfehlerEinmalGemeldet() {
        QTemporaryDir ordner;
        const QByteArray inhalt = dreiTipps("NextTip=2");
        // Beside a file name of the longest length the save's temporary file cannot be named,
        // so writing fails even for a privileged user.
        const QString pfad =
            schreibeDatei(ordner, QString(251, u'x') + QStringLiteral(".tip"), inhalt);
        QVERIFY(!pfad.isEmpty());
        if (TNewIniFile(pfad).zahlSchreiben(kTips, "Probe", 1))
            QSKIP("This file system writes beside a file name of the longest length.");
        TTippsDatei datei(pfad);
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCOMPARE(tippText(fenster), QStringLiteral("Zwei"));
        QCOMPARE(meldungen.anzahl(), 1);
        const TFakeMeldungen::TBox box = meldungen.nimm();
        QCOMPARE(box.art, QStringLiteral("Information"));
        QCOMPARE(box.titel, QStringLiteral("Information"));
        QCOMPARE(box.text, kNichtGespeichert);

        kind<QPushButton>(fenster, "NaechsterTippBtn")->click();
        QCOMPARE(tippText(fenster), QStringLiteral("Zwei"));
        kind<QCheckBox>(fenster, "ZeigenCheckBox")->click();
        QVERIFY(meldungen.leer());
        QCOMPARE(leseDatei(pfad), inhalt);

        // A new window reports again.
        TTippsFenster zweites(datei, meldungen, kTitel, nullptr);
        QCOMPARE(meldungen.anzahl(), 1);
        meldungen.vergessen();
    }

    void kaestchenMeldetSchreibfehler() {
        QTemporaryDir ordner;
        const QByteArray inhalt = dreiTipps("NextTip=1");
        const QString lang =
            schreibeDatei(ordner, QString(251, u'x') + QStringLiteral(".tip"), inhalt);
        const QString kurz = schreibeDatei(ordner, "kurz.tip", inhalt);
        // The saves follow the link to its target, so pointing it at the long name later makes
        // only the writes after the opening fail.
        const QString link = ordner.filePath(QStringLiteral("drilla3.tip"));
        QVERIFY(QFile::link(kurz, link));
        TTippsDatei datei(link);
        TFakeMeldungen meldungen;
        TTippsFenster fenster(datei, meldungen, kTitel, nullptr);
        QCOMPARE(naechsterTip(link), QStringLiteral("2"));
        QVERIFY(QFile::remove(link));
        QVERIFY(QFile::link(lang, link));
        if (TNewIniFile(link).zahlSchreiben(kTips, "Probe", 1))
            QSKIP("This file system writes beside a file name of the longest length.");
        QVERIFY(meldungen.leer());

        kind<QCheckBox>(fenster, "ZeigenCheckBox")->click();
        QCOMPARE(meldungen.anzahl(), 1);
        QCOMPARE(meldungen.nimm().text, kNichtGespeichert);
        kind<QCheckBox>(fenster, "ZeigenCheckBox")->click();
        kind<QPushButton>(fenster, "NaechsterTippBtn")->click();
        QVERIFY(meldungen.leer());
    }
};

QTEST_MAIN(tst_TTippsFenster)
#include "tst_TTippsFenster.moc"
