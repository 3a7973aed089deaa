#include "TFensterUmgebung.h"
#include "shell/ui/TForm1.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Reading mode, swap and history as the main window shows them.
class tst_Lesemodus : public QObject, TFensterUmgebung {
    Q_OBJECT

    int oben(const char* name) { return kind(name)->y(); }
    void mitEinstellungen(const QByteArray& einstellungen = {}) {
        if (!einstellungen.isEmpty())
            schreibeDatei(*ordner, QStringLiteral("drilla3.ini"), einstellungen);
        gestartet();
    }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    void layoutDerBeidenModi() {
        mitEinstellungen();
        QCOMPARE(oben("GroupBox1"), 92);
        QCOMPARE(oben("GroupBox2"), 180);
        QCOMPARE(oben("GroupBox3"), 280);
        QCOMPARE(oben("GroupBox4"), 377);
        QCOMPARE(oben("Lesetextlabel"), 261);
        f->aktion(QStringLiteral("LesemodusMenu"))->trigger();
        QVERIFY(p->meldungen.nimm().text.startsWith(QStringLiteral("Bitte beachten Sie")));
        QVERIFY(f->aktion(QStringLiteral("LesemodusMenu"))->isChecked());
        QCOMPARE(oben("GroupBox2"), 92);
        QCOMPARE(oben("Lesetextlabel"), 173);
        QCOMPARE(oben("GroupBox3"), 200);
        QCOMPARE(oben("GroupBox4"), 297);
        QCOMPARE(oben("Lesemodusaufgabelabel"), 394);
        for (const char* sichtbar :
             {"GroupBox2", "GroupBox3", "GroupBox4", "Lesetextlabel", "Lesemodusaufgabelabel"})
            QVERIFY2(kind(sichtbar)->isVisible(), sichtbar);
        QVERIFY(!kind("GroupBox1")->isVisible());
        QVERIFY(!kind("RzLabel1")->isVisible() && !kind("RzLabel91")->isVisible());
        // The instruction follows the address form.
        f->aktion(QStringLiteral("AnredemitDU1"))->trigger();
        QCOMPARE(static_cast<QLabel*>(kind("Lesemodusaufgabelabel"))->text(),
                 QStringLiteral("Klicke den fehlerfreie Satz mit der Maus einfach an!"));
        f->aktion(QStringLiteral("LesemodusMenu"))->trigger(); // off: no notice
        QVERIFY(!f->aktion(QStringLiteral("LesemodusMenu"))->isChecked());
        QCOMPARE(oben("GroupBox2"), 180);
        QVERIFY(kind("RzLabel91")->isVisible() && kind("GroupBox1")->isVisible());
        QVERIFY(!kind("GroupBox3")->isVisible());
    }

    void startImLesemodusOhneHinweis() {
        mitEinstellungen("[Setup]\r\nLesemodus=1\r\n");
        QVERIFY(f->aktion(QStringLiteral("LesemodusMenu"))->isChecked());
        QCOMPARE(oben("GroupBox2"), 92);
        QVERIFY(kind("GroupBox3")->isVisible());
        QVERIFY(!kind("RzLabel1")->isVisible());
    }

    void vorschlagAnklicken() {
        mitEinstellungen("[Setup]\r\nLesemodus=1\r\n");
        p->zufall.werte = {0, 0};
        p->meldungen.dateien.enqueue(
            schreibeDatei(*ordner, QStringLiteral("lesen.txt"),
                          "Der Hund bellt.;Der Hunt bellt.\r\nDie Katze.;Die Kaze.\r\n"));
        f->aktion(QStringLiteral("Lektionladen"))->trigger();
        p->meldungen.nimm();
        auto* v1 = static_cast<QLabel*>(kind("Vorschlag1label"));
        auto* v2 = static_cast<QLabel*>(kind("Vorschlag2label"));
        QCOMPARE(v1->text(), QStringLiteral("Der Hund bellt."));
        QCOMPARE(v2->text(), QStringLiteral("Der Hunt bellt."));
        QCOMPARE(static_cast<QLabel*>(kind("Lesetextlabel"))->text(),
                 QStringLiteral(" noch 1  Aufgabe(n) "));
        QTest::mouseClick(v2, Qt::LeftButton);
        QCOMPARE(f->trainer().Sitzung.Fehlerzahl, 1);
        QCOMPARE(static_cast<QLineEdit*>(kind("AntwortEdit"))->text(),
                 QStringLiteral("Der Hunt bellt."));
        QTest::mouseClick(v1, Qt::LeftButton);
        QCOMPARE(f->trainer().Sitzung.Zeile, QStringLiteral("Die Katze.;Die Kaze."));

        // The solution window labels its texts "falsch" and "richtig".
        QTest::keyClick(kind("AntwortEdit"), Qt::Key_F2);
        const auto loesung = d->gezeigt.last();
        QCOMPARE(loesung.texte.value(QStringLiteral("RxLabel3")), QStringLiteral("falsch"));
        QCOMPARE(loesung.texte.value(QStringLiteral("RxLabel1")), QStringLiteral("richtig"));
        QCOMPARE(loesung.texte.value(QStringLiteral("FrageLabel")), QStringLiteral("Die Kaze."));
        QCOMPARE(loesung.texte.value(QStringLiteral("AntwortLabel")), QStringLiteral("Die Katze."));
    }

    void historieMitKaufmannsUnd() {
        mitEinstellungen();
        const QString pfad = schreibeDatei(*ordner, QStringLiteral("Rock&Roll.txt"), "a;b\r\n");
        p->meldungen.dateien.enqueue(pfad);
        f->aktion(QStringLiteral("Lektionladen"))->trigger();
        p->meldungen.nimm();
        p->meldungen.dateien.enqueue(schreibeDatei(*ordner, QStringLiteral("b.txt"), "c;d\r\n"));
        f->aktion(QStringLiteral("Lektionladen"))->trigger();
        p->meldungen.nimm();
        QAction* zweite = f->aktion(QStringLiteral("LetztegeladeneLektion2"));
        QCOMPARE(zweite->text(), ordner->path() + QStringLiteral("/Rock&&Roll.txt   "));
        zweite->trigger();
        QCOMPARE(f->trainer().Lektion.Pfad, pfad);
        QVERIFY(f->trainer().LogStrHolder.last().endsWith(QStringLiteral("Lektion neu geladen")));
    }

    void vertauschenImMenue() {
        mitEinstellungen();
        QAction* tausch = f->aktion(QStringLiteral("Vertauschen"));
        tausch->trigger();
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Es wurde noch keine Lektion geladen."));
        QVERIFY(!tausch->isChecked());
        p->meldungen.dateien.enqueue(
            schreibeDatei(*ordner, QStringLiteral("t.txt"), "Haus;house\r\n"));
        f->aktion(QStringLiteral("Lektionladen"))->trigger();
        p->meldungen.nimm();
        tausch->trigger();
        p->meldungen.nimm();
        QVERIFY(tausch->isChecked());
        kind("NaechsteAufgabeBtn")->setFocus();
        static_cast<QAbstractButton*>(kind("NaechsteAufgabeBtn"))->click();
        QCOMPARE(static_cast<QLabel*>(kind("FrageLabel"))->text(), QStringLiteral("Haus"));
    }
};

QTEST_MAIN(tst_Lesemodus)
#include "tst_Lesemodus.moc"
