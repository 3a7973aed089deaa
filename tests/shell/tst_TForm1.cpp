#include "TFensterUmgebung.h"
#include "lessons/ui/TDigitalZaehler.h"
#include "lessons/ui/TErfolgsBalken.h"
#include "lessons/ui/TTrainerSeite.h"
#include "shell/ui/TForm1.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

class tst_TForm1 : public QObject, TFensterUmgebung {
    Q_OBJECT

    QColor antwortHintergrund() { return antwort()->palette().color(QPalette::Base); }

private slots:
    void init() {
        anlegen();
        QVERIFY(oeffnen());
    }
    void cleanup() { QVERIFY(abbauen()); }

    void fensterUndSteuerelemente() {
        QCOMPARE(f->size(), QSize(785, 571));
        QCOMPARE(f->windowTitle(), QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        const struct {
            const char* name;
            QRect ort;
        } orte[] = {
            {"Lektionsueberschrift", {14, 72, 193, 21}},
            {"ZahlDerAufgaben", {14, 104, 117, 16}},
            {"NaechsteAufgabeBtn", {12, 128, 190, 37}},
            {"PruefBtn", {12, 176, 190, 37}},
            {"DigitalZaehler", {20, 236, 59, 28}},
            {"LoesungAnzeigenImage", {161, 296, 32, 32}},
            {"ErfolgsBalken", {12, 360, 190, 29}},
            {"AktuelleInfoLabel", {12, 440, 193, 89}},
            {"GroupBox1", {241, 92, 514, 85}},
            {"GroupBox2", {240, 180, 515, 69}},
            {"AntwortEdit", {12, 24, 491, 28}},
            {"GroupBox3", {240, 280, 515, 85}},
            {"GroupBox4", {240, 372, 515, 85}},
            {"Lesemodusaufgabelabel", {244, 464, 293, 15}},
            {"RzLabel1", {239, 260, 32, 32}},
            {"RzLabel91", {719, 494, 32, 32}},
            {"btn1", {8, 8, 120, 43}},
            {"btn6", {624, 8, 81, 43}},
        };
        for (const auto& o : orte)
            QCOMPARE(kind(o.name)->geometry(), o.ort);
        QCOMPARE(kind("toppanel")->height(), 61);
        QCOMPARE(kind("RzStatusBar2")->geometry(), QRect(0, 540, 785, 31));
        QCOMPARE(kind<QLabel>("Lektionsueberschrift")->text(),
                 QStringLiteral("Keine Lektion geladen !"));
        QCOMPARE(kind<QLabel>("ZahlDerAufgaben")->text(), QStringLiteral("    "));
        QCOMPARE(kind<QLabel>("BenutzerNameLabel")->text(), QStringLiteral("unbekannt"));
        QCOMPARE(
            kind<QLabel>("LoesungAnzeigenImage")->toolTip(),
            QStringLiteral("Zeigt die Lösung zu der aktuellen Aufgabe.\r\nFunktionstaste F2."));
        QCOMPARE(kind<TDigitalZaehler>("DigitalZaehler")->text(), QStringLiteral("000"));
        QVERIFY(kind("AntwortEdit")->isVisible());
        for (const char* versteckt : {"ErfolgsBalken", "ErfolgsLabel", "GroupBox3", "GroupBox4",
                                      "Lesetextlabel", "Lesemodusaufgabelabel"})
            QVERIFY2(!kind(versteckt)->isVisible(), versteckt);
        QCOMPARE(kind<QLabel>("LoesungsLabel")->font().pixelSize(), 24);
        QCOMPARE(kind<QLabel>("FrageLabel")->font().family(), QStringLiteral("Comic Sans MS"));
        const char* zeichen = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz1234567890,.-";
        for (int n = 1; n <= 65; ++n)
            QCOMPARE(kind<TZeichenfeld>(qPrintable(QStringLiteral("RzLabel%1").arg(n)))->text(),
                     QString(QLatin1Char(zeichen[n - 1])));
        QCOMPARE(kind<TZeichenfeld>("RzLabel72")->text(), QStringLiteral("ß"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel73")->text(), QStringLiteral(" "));
        QCOMPARE(kind<TZeichenfeld>("RzLabel79")->text(), QStringLiteral("?"));
        f->resize(100, 100);
        QCOMPARE(f->size(), QSize(492, 473));
    }

    void menuesUndSchalter() {
        const struct {
            const char* name;
            const char* text;
            bool an;
            bool haken;
        } eintraege[] = {
            {"Lektionladen", "&Lektion laden", true, false},
            {"Auswertung", "&Auswertung anzeigen", true, false},
            {"Auswertungzurcksetzten1", "Auswertung &zurücksetzten", true, false},
            {"Ton1", "T&on einschalten", true, true},
            {"PopupHilfeanzeigen1", "&Popup-Hilfe anzeigen", true, true},
            {"AntwortbeiderEingabeprfen1", "&Antwort bei der Eingabe &prüfen", true, false},
            {"AnredemitDU1", "Anrede mit D&U", true, false},
            {"KeineFarbeimAusdruck1", "Drucken in &Konzept-Qualität", true, true},
            {"FelderDrehen1", "&Felder bei jeder Aufgabe drehen", true, false},
            {"LesemodusMenu", "Lese&modus", true, false},
            {"Vertauschen", "&Aufgabe und Anwort vertauschen", true, false},
            {"MenuItem7", "&Fehler nochmals üben", true, false},
            {"TippsTricks1", "&Tipps && Tricks", true, false},
            {"Info1", "Inf&o...", true, false},
            {"LetztegeladeneLektion5", "Kein Eintrag", true, false}};
        for (const auto& e : eintraege) {
            QAction* a = f->aktion(QString::fromLatin1(e.name));
            QVERIFY2(a, e.name);
            QCOMPARE(a->text(), QString::fromUtf8(e.text));
            QCOMPARE(a->isEnabled(), e.an);
            QCOMPARE(a->isChecked(), e.haken);
        }
        QCOMPARE(f->aktion(QStringLiteral("Lektionladen"))->toolTip(),
                 QStringLiteral("Lektion laden, die geübt werden soll."));
        const QStringList lektionen = {
            "Lektionladen", "LesemodusMenu",         "GeladeneLektionBearbeiten", "Vertauschen",
            "N5",           "LetztegeladeneLektion1"};
        const auto menu = kind<QMenu>("LektionenPopup")->actions();
        for (int i = 0; i < lektionen.size(); ++i)
            QCOMPARE(menu.at(i)->objectName(), lektionen.at(i));
        QCOMPARE(kind<QToolButton>("btn3")->menu(), kind<QMenu>("EinstellungPopupMenu"));

        // Sound off: no clip at all.
        f->aktion(QStringLiteral("Ton1"))->trigger();
        laden("a;b\r\n");
        QVERIFY(p->klang.gespielt.isEmpty());
        f->aktion(QStringLiteral("Ton1"))->trigger();
        QTest::keyClick(antwort(), 'x');
        QCOMPARE(p->klang.gespielt, QList<int>{0});

        // Hints off: no tool tip event reaches any control.
        f->aktion(QStringLiteral("PopupHilfeanzeigen1"))->trigger();
        auto tippZeigen = [this] {
            QToolTip::hideText();
            QHelpEvent tipp(QEvent::ToolTip, QPoint(2, 2),
                            kind("RzLabel5")->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(kind("RzLabel5"), &tipp);
            return QToolTip::isVisible();
        };
        QVERIFY(!tippZeigen());
        QVERIFY(!f->trainer().Optionen.werte().PopupHilfe);
        f->aktion(QStringLiteral("PopupHilfeanzeigen1"))->trigger();
        QVERIFY(f->trainer().Optionen.werte().PopupHilfe);
        QVERIFY(tippZeigen());
        QToolTip::hideText();

        // The address switch re-sets the tile hints and the instruction texts.
        f->aktion(QStringLiteral("AnredemitDU1"))->trigger();
        QVERIFY(f->aktion(QStringLiteral("AnredemitDU1"))->isChecked());
        QCOMPARE(kind("RzLabel91")->toolTip(),
                 QStringLiteral("Wähle mit der Maus das nächste benötigte Zeichen der Lösung."));
        QCOMPARE(kind<QLabel>("AktuelleInfoLabel")->text(),
                 QStringLiteral("Bitte beantworte die gestellten Aufgaben."));
        QCOMPARE(kind<QLabel>("Lesemodusaufgabelabel")->text(),
                 QStringLiteral("Klicke den fehlerfreie Satz mit der Maus einfach an!"));
    }

    void tippenPruefenUndAufblinken() {
        laden("ab;eins\r\ncd;zwei\r\n");
        QCOMPARE(kind<QLabel>("FrageLabel")->text(), QStringLiteral("eins"));
        QCOMPARE(kind<QGroupBox>("GroupBox1")->title(), QStringLiteral(" noch 1  Aufgabe(n) "));
        QCOMPARE(kind<QLabel>("ZahlDerAufgaben")->text(), QStringLiteral("2 Aufgaben"));
        QCOMPARE(kind<QLabel>("Lektionsueberschrift")->toolTip(),
                 ordner->filePath(QStringLiteral("l.txt")));
        QVERIFY(antwort()->hasFocus());
        QCOMPARE(antwortHintergrund(), TTrainerSeite::antwortFarbe(TAntwortFarbe::InfoHintergrund));

        QColor waehrend;
        p->warten.waehrend = [&] { waehrend = antwortHintergrund(); };
        tippen(QStringLiteral("ax"));
        QTest::keyClick(antwort(), Qt::Key_Return);
        QCOMPARE(waehrend, QColor(255, 0, 0));
        QCOMPARE(antwortHintergrund(), TTrainerSeite::antwortFarbe(TAntwortFarbe::InfoHintergrund));
        QCOMPARE(kind<TDigitalZaehler>("DigitalZaehler")->text(), QStringLiteral("001"));
        QCOMPARE(antwort()->text(), QStringLiteral("ax"));

        antwort()->setText(QStringLiteral("ab"));
        kind<QPushButton>("PruefBtn")->click();
        QCOMPARE(waehrend, QColor(0, 128, 0));
        QCOMPARE(kind<QLabel>("FrageLabel")->text(), QStringLiteral("zwei"));
        QCOMPARE(kind<QGroupBox>("GroupBox1")->title(), QStringLiteral(" letzte  Aufgabe "));
        QCOMPARE(p->klang.gespielt, QList<int>({7, 0, 0, 1, 3, 7}));

        // Live check: a wrong letter turns the field red at once and counts.
        f->aktion(QStringLiteral("AntwortbeiderEingabeprfen1"))->trigger();
        QVERIFY(f->trainer().Optionen.werte().SofortPruefen);
        tippen(QStringLiteral("c"));
        QCOMPARE(antwortHintergrund(), TTrainerSeite::antwortFarbe(TAntwortFarbe::InfoHintergrund));
        tippen(QStringLiteral("x"));
        QCOMPARE(antwortHintergrund(), QColor(255, 0, 0));
        QCOMPARE(kind<TDigitalZaehler>("DigitalZaehler")->text(), QStringLiteral("002"));
        QTest::keyClick(antwort(), Qt::Key_Backspace);
        QCOMPARE(antwortHintergrund(), TTrainerSeite::antwortFarbe(TAntwortFarbe::InfoHintergrund));

        // Leaving the field whitens it.
        kind<QToolButton>("btn1")->setFocus();
        QCOMPARE(antwortHintergrund(), QColor(255, 255, 255));
    }

    void loesungMitF2UndUrteil() {
        laden("Haus;house\r\n");
        f->move(100, 80);
        // The window sees F2 first; the answer field then gets it as well.
        p->klang.gespielt.clear();
        QTest::keyClick(antwort(), Qt::Key_F2);
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(p->klang.gespielt, QList<int>({4, 1, 0}));
        const auto loesung = d->gezeigt.at(0);
        QCOMPARE(loesung.name, QStringLiteral("TFormLoesung"));
        QCOMPARE(loesung.titel, QStringLiteral("Lösung"));
        QCOMPARE(loesung.texte.value(QStringLiteral("FrageLabel")), QStringLiteral("house"));
        QCOMPARE(loesung.texte.value(QStringLiteral("AntwortLabel")), QStringLiteral("Haus"));
        QCOMPARE(loesung.texte.value(QStringLiteral("RxLabel1")), QStringLiteral("Antwort "));
        QCOMPARE(loesung.texte.value(QStringLiteral("RxLabel3")), QStringLiteral("Aufgabe"));
        QCOMPARE(antwort()->text(), QStringLiteral("Lösung wurde angezeigt!"));
        QCOMPARE(f->trainer().Sitzung.Fehlerzahl, 1);

        kind<QPushButton>("NaechsteAufgabeBtn")->click();
        QCOMPARE(p->meldungen.nimm().text,
                 QStringLiteral("1 Aufgaben: Davon wurden 1 fehlerhaft beantwortet"));
        QCOMPARE(d->gezeigt.size(), 2);
        const auto urteil = d->gezeigt.at(1);
        QCOMPARE(urteil.name, QStringLiteral("TfrmDemo470b"));
        QVERIFY(urteil.texte.value(QStringLiteral("RxLabel1"))
                    .startsWith(QStringLiteral("Schauen Sie")));
        QCOMPARE(urteil.rahmen.topLeft(), f->frameGeometry().topLeft() + QPoint(250, 50));
        QVERIFY(kind("ErfolgsBalken")->isVisible());
        QVERIFY(kind("ErfolgsLabel")->isVisible());
        QVERIFY(!kind("BenutzerNameLabel")->isVisible());
        QVERIFY(!kind("Shape2")->isVisible());
        QCOMPARE(kind<TErfolgsBalken>("ErfolgsBalken")->prozent(), 0);

        // Keys after the end only click; Enter does nothing.
        p->klang.gespielt.clear();
        QTest::keyClick(antwort(), Qt::Key_Return);
        QTest::keyClick(antwort(), 'q');
        QCOMPARE(p->klang.gespielt, QList<int>{0});
        QVERIFY(p->meldungen.leer());

        // A click on the picture: the window opens, then the refusal.
        QTest::mouseClick(kind("LoesungAnzeigenImage"), Qt::LeftButton);
        QCOMPARE(d->gezeigt.size(), 3);
        QVERIFY(p->meldungen.nimm().text.startsWith(
            QStringLiteral("Die Lektion wurde bereits bearbeitet.")));

        laden("a;b\r\n");
        QVERIFY(!kind("ErfolgsBalken")->isVisible());
        QVERIFY(kind("BenutzerNameLabel")->isVisible());
    }

    void historienTitelBehaltenKaufmannsUnd() {
        f->setzeHistorienTitel(1, QStringLiteral("/tmp/A&B.txt   "));
        QAction* a = f->aktion(QStringLiteral("LetztegeladeneLektion1"));
        QCOMPARE(a->text(), QStringLiteral("/tmp/A&&B.txt   "));
        QCOMPARE(a->data().toString(), QStringLiteral("/tmp/A&B.txt   "));
    }

    void zaehlerUeber999() {
        auto* z = kind<TDigitalZaehler>("DigitalZaehler");
        f->seite().setzeFehlerzahl(7);
        QCOMPARE(z->text(), QStringLiteral("007"));
        f->seite().setzeFehlerzahl(1234);
        QCOMPARE(z->text(), QStringLiteral("1234"));
        QCOMPARE(z->size(), QSize(59, 28));
    }

    void erfolgsBalken() {
        TErfolgsBalken balken;
        balken.setzeWerte(8, 3);
        QCOMPARE(balken.prozent(), 38);
        balken.setzeWerte(200, 199);
        QCOMPARE(balken.prozent(), 100);
        balken.setzeWerte(3, -2);
        QCOMPARE(balken.prozent(), 0);
        QCOMPARE(TErfolgsBalken::gradientFarbe(0), QColor(255, 0, 0));
        QCOMPARE(TErfolgsBalken::gradientFarbe(63), QColor(0, 255, 0));
    }
};

QTEST_MAIN(tst_TForm1)
#include "tst_TForm1.moc"
