#include "TFensterUmgebung.h"
#include "lessons/ui/TFormLoesung.h"
#include "lessons/ui/TfrmDemo470b.h"
#include "shell/TTippsDatei.h"
#include "shell/ui/TTippsFenster.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

// The keyboard reaches every control, each key acts once, and every window closes the usual way.
class tst_Bedienung : public QObject, public TFensterUmgebung {
    Q_OBJECT

    QWidget* fokus() const { return QApplication::focusWidget(); }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    void tabErreichtKnoepfeVorschlaegeUndZeichenfelder() {
        QVERIFY(oeffnen());
        f->activateWindow();
        antwort()->setFocus();
        QTest::keyClick(antwort(), Qt::Key_Tab);
        QCOMPARE(fokus(), kind("NaechsteAufgabeBtn"));
        QTest::keyClick(fokus(), Qt::Key_Tab);
        QCOMPARE(fokus(), kind("PruefBtn"));
        // Space presses the focused button; Enter keeps checking in the answer field only.
        QTest::keyClick(fokus(), Qt::Key_Space);
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Es wurde noch keine Lektion geladen."));
        // The suggestions are hidden outside reading mode, so Tab goes on to the first tile.
        QTest::keyClick(fokus(), Qt::Key_Tab);
        QCOMPARE(fokus(), kind("RzLabel1"));
        QTest::keyClick(fokus(), Qt::Key_Tab);
        QCOMPARE(fokus(), kind("RzLabel2"));
        // A clicked tile leaves the focus where it was.
        antwort()->setFocus();
        QTest::mouseClick(kind("RzLabel3"), Qt::LeftButton);
        QCOMPARE(fokus(), antwort());
        laden("Ca;C\r\n");
        kind("RzLabel3")->setFocus();
        QTest::keyClick(kind("RzLabel3"), Qt::Key_Space);
        QCOMPARE(antwort()->text(), QStringLiteral("C"));
        // A suggestion takes Space and Enter as a click.
        auto* vorschlag = kind<QLabel>("Vorschlag1label");
        vorschlag->setText(QStringLiteral("Ca"));
        QTest::keyClick(vorschlag, Qt::Key_Return);
        QCOMPARE(antwort()->text(), QStringLiteral("Ca"));
        QCOMPARE(f->trainer().Sitzung.Beendet, true);
        p->meldungen.vergessen();
    }

    void statusleisteUndIhreFelder() {
        QVERIFY(oeffnen());
        QCOMPARE(kind("RzStatusBar2")->geometry(), QRect(0, 571 - 31, 785, 31));
        int links = 785 - 4 - 4 * 28;
        for (const char* feld : {"Statusaendern", "DrehStatus", "RunterStatus", "RaufStatus"}) {
            QCOMPARE(kind(feld)->geometry(), QRect(links, 0, 28, 31));
            links += 28;
        }
    }

    void f2WirktEinmalJeDruck() {
        QVERIFY(oeffnen());
        laden("Haus;house\r\n");
        f->activateWindow();
        antwort()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // The solution window takes the focus away while the key is still on its way.
        d->waehrend = [](QDialog&) {
            if (QWidget* w = QApplication::focusWidget())
                w->clearFocus();
        };
        QTest::keyClick(f->windowHandle(), Qt::Key_F2);
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(d->gezeigt.at(0).name, QStringLiteral("TFormLoesung"));
        QTest::keyClick(f->windowHandle(), Qt::Key_F2);
        QCOMPARE(d->gezeigt.size(), 2);
        p->meldungen.vergessen();
    }

    void fensterSchliessenWieUeblich() {
        QVERIFY(oeffnen());
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("hilfe")));
        schreibeDatei(*ordner, QStringLiteral("hilfe/index.html"), "<html><body>H</body></html>");
        f->lauf().Verzeichnisse.Programm = ordner->path() + QLatin1Char('/');
        f->aktion(QStringLiteral("Index1"))->trigger();
        QWidget* hilfe = kind("Hilfe");
        QVERIFY(hilfe->isVisible());
        QTest::keyClick(kind("HilfeBrowser"), Qt::Key_Escape);
        QVERIFY(!hilfe->isVisible());
        f->aktion(QStringLiteral("Index1"))->trigger();
        kind<QPushButton>("SchliessenBtn")->click();
        QVERIFY(!hilfe->isVisible());

        // Fixed dialogs: no minimise, no maximise, no resizing; the verdict shows no title.
        TTippsDatei tipps{QString()};
        TFormLoesung loesung(nullptr);
        TfrmDemo470b urteil(nullptr);
        TTippsFenster tippsFenster(tipps, p->meldungen, QStringLiteral("t"), nullptr);
        for (QDialog* fenster : {static_cast<QDialog*>(&loesung), static_cast<QDialog*>(&urteil),
                                 static_cast<QDialog*>(&tippsFenster)}) {
            const Qt::WindowFlags flags = fenster->windowFlags();
            QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QCOMPARE(fenster->minimumSize(), fenster->maximumSize());
        }
        QCOMPARE(urteil.windowTitle().trimmed(), QString());
        QVERIFY(!urteil.windowTitle().isEmpty());
    }
};

QTEST_MAIN(tst_Bedienung)
#include "tst_Bedienung.moc"
