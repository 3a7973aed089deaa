#include "TFensterUmgebung.h"
#include "shell/ui/TForm1.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

// Start-up and shutdown of the main window on a program directory of the test's own.
class tst_Programmstart : public QObject, TFensterUmgebung {
    Q_OBJECT

    void schreibe(const char* name, const QByteArray& inhalt) {
        QVERIFY(!schreibeDatei(*ordner, QString::fromUtf8(name), inhalt).isEmpty());
    }
    TFakeMeldungen::TBox box() { return p->meldungen.nimm(); }
    bool beenden(bool ok,
                 const QString& frage = QStringLiteral("Wollen Sie DRILLA wirklich beenden?")) {
        p->meldungen.antworten.enqueue(ok);
        const bool zu = f->close();
        const auto b = box();
        if (b.art != QStringLiteral("OkAbbrechen") || b.titel != QStringLiteral("Bestätigung") ||
            b.text != frage)
            qWarning("unexpected end confirmation: %s", qPrintable(b.text));
        return zu && b.text == frage;
    }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    void ersterStartOhneDateien() {
        starten();
        const QString verzeichnis = ordner->path() + QLatin1Char('/');
        QCOMPARE(f->windowTitle(), QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        const auto frage = box();
        QCOMPARE(frage.art, QStringLiteral("Eingabe"));
        QCOMPARE(frage.titel, QStringLiteral("Benutzerverwaltung"));
        QCOMPARE(frage.text, QStringLiteral("Bitte geben Sie hier Ihren Namen ein!"));
        QCOMPARE(f->trainer().Lauf.BenutzerName, QStringLiteral("unbekannt"));
        QCOMPARE(f->trainer().Lauf.Verzeichnisse.Lektion, verzeichnis);
        QCOMPARE(f->trainer().Lauf.Verzeichnisse.Daten, verzeichnis);
        const TOptionen& o = f->trainer().Optionen.werte();
        QVERIFY(o.Ton && o.PopupHilfe && o.OhneFarbeDrucken);
        QVERIFY(!o.FelderDrehen && !o.SofortPruefen && !o.AnredeDu && !o.Lesemodus);
        QVERIFY(f->aktion(QStringLiteral("KeineFarbeimAusdruck1"))->isChecked());
        QCOMPARE(kind<QLabel>("AktuelleInfoLabel")->text(),
                 QStringLiteral("Bitte beantworten Sie die gestellten Aufgaben."));
        QCOMPARE(f->aktion(QStringLiteral("LetztegeladeneLektion1"))->text(),
                 QStringLiteral("Kein Eintrag"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel79")->text(), QStringLiteral("?"));
        QCOMPARE(kind<QLabel>("BenutzerNameLabel")->text(), QStringLiteral("unbekannt"));
        QCOMPARE(kind<QLabel>("ZahlDerAufgaben")->text(), QStringLiteral("    "));
        QCOMPARE(f->aktion(QStringLiteral("PrivatesLektionsverzeichnis"))->toolTip(),
                 verzeichnis + QStringLiteral("Lektion/"));
        QVERIFY(kind("AntwortEdit")->isVisible());
        QVERIFY(d->gezeigt.isEmpty()); // no tips file: no tips window

        // Cancelling the end confirmation writes nothing.
        QVERIFY(!beenden(false));
        QVERIFY(f->isVisible());
        QVERIFY(!QFileInfo::exists(pfad("formpos.ini")));
        QVERIFY(!QFileInfo::exists(pfad("drilla3.ini")));
        // OK writes placement, settings and key map.
        QVERIFY(beenden(true));
        QVERIFY(QFileInfo::exists(pfad("formpos.ini")));
        QVERIFY(leseDatei(pfad("drilla3.ini")).contains("Benutzer=unbekannt\r\n"));
        QVERIFY(leseDatei(pfad("tasten.txt")).startsWith("[Sonderzeichen]\r\nTaste79=?\r\n"));
        QVERIFY(!QFileInfo::exists(pfad("auswertung.txt"))); // nothing new to record
    }

    void vonHandGeschriebeneEinstellungen() {
        schreibe("drilla3.ini", "[SETUP]\r\n anrede = 1 \r\nTon=0\r\nBenutzer= Lena \r\n"
                                "AZSchrift=Comic Sans MS,clRed,16,d,bi\r\n"
                                "Netzwerk_Lektions_Pfad=/srv/lektionen\r\n");
        schreibe("tasten.txt", "[sonderzeichen]\r\nTaste79=\xe9\r\nTaste91=\r\n");
        starten(QStringLiteral("Lena B."));
        QCOMPARE(box().text, QStringLiteral("Bitte gib hier deinen Namen ein!"));
        QCOMPARE(f->trainer().Lauf.BenutzerName, QStringLiteral("Lena B."));
        QCOMPARE(kind<QLabel>("BenutzerNameLabel")->text(), QStringLiteral("Lena B."));
        QVERIFY(!f->trainer().Optionen.werte().Ton);
        QVERIFY(f->aktion(QStringLiteral("AnredemitDU1"))->isChecked());
        QCOMPARE(kind("RzLabel5")->toolTip(),
                 QStringLiteral("Wähle mit der Maus das nächste benötigte Zeichen der Lösung."));
        QCOMPARE(f->trainer().Lauf.Verzeichnisse.Lektion, QStringLiteral("/srv/lektionen/"));
        const QFont feld = kind("AntwortEdit")->font();
        QCOMPARE(feld.family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(feld.pointSize(), 16);
        QVERIFY(feld.bold() && feld.italic());
        QCOMPARE(kind<QLabel>("FrageLabel")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QCOMPARE(kind<TZeichenfeld>("RzLabel79")->text(), QStringLiteral("é"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel91")->text(), QString());
        QCOMPARE(kind<TZeichenfeld>("RzLabel80")->text(), QStringLiteral("?"));
        QVERIFY(beenden(true, QStringLiteral("Willst Du DRILLA wirklich beenden?")));
    }

    void namensabfrage() {
        schreibe("drilla3.ini", "[Setup]\r\nBenutzer=Tom\r\n");
        starten(QString()); // Abbrechen keeps the stored name
        box();
        QCOMPARE(f->trainer().Lauf.BenutzerName, QStringLiteral("Tom"));
        f.reset();
        // A name the files cannot store is asked again; an empty name is accepted.
        p->meldungen.eingaben.enqueue(QStringLiteral("\u0141ukasz"));
        starten(QStringLiteral(""));
        QCOMPARE(box().art, QStringLiteral("Eingabe"));
        QCOMPARE(box().art, QStringLiteral("Warnung"));
        QCOMPARE(box().art, QStringLiteral("Eingabe"));
        QCOMPARE(f->trainer().Lauf.BenutzerName, QString());
        QVERIFY(beenden(true));
        QVERIFY(leseDatei(pfad("drilla3.ini")).contains("Benutzer=\r\n"));
    }

    void schreibgeschuetzteDaten() {
        starten();
        box();
        // Directories where the files belong: every write fails, even for root.
        for (const char* name : {"drilla3.ini", "tasten.txt", "formpos.ini", "auswertung.txt"})
            QVERIFY(QDir(ordner->path()).mkdir(QString::fromLatin1(name)));
        f->trainer().LogStrHolder.append(QStringLiteral("neu"));
        p->meldungen.antworten.enqueue(true);
        QVERIFY(f->close());
        const QString fehler = QStringLiteral("Die Daten können nicht gespeichert werden!\r\n"
                                              "Eventuell ist der Datenträger schreibgeschützt.");
        QCOMPARE(box().art, QStringLiteral("OkAbbrechen"));
        for (int datei = 0; datei < 4; ++datei) { // placement, log, settings, key map
            const auto b = box();
            QCOMPARE(b.art, QStringLiteral("Information"));
            QCOMPARE(b.text, fehler);
        }
    }

    void protokollBeimBeendenGesichert() {
        schreibe("auswertung.txt", " \r\nalt\r\n");
        starten();
        box();
        QCOMPARE(f->trainer().LogStrHolder,
                 QStringList({QStringLiteral(" "), QStringLiteral("alt")}));
        f->trainer().LogStrHolder.append(QStringLiteral("neu"));
        QVERIFY(beenden(true));
        QCOMPARE(leseDatei(pfad("auswertung.txt")), QByteArray(" \r\nalt\r\nneu\r\n"));
    }

    // Closing while the last answer flashes: the lesson ends first and its record is saved.
    void beendenWaehrendDerPruefung() {
        gestartet();
        laden("Haus;house\r\n");
        antwort()->setText(QStringLiteral("Haus"));
        bool zuWaehrend = true;
        int boxenWaehrend = -1;
        p->warten.waehrend = [&] {
            zuWaehrend = f->close();
            boxenWaehrend = p->meldungen.offen().size();
        };
        p->meldungen.antworten.enqueue(true);
        QTest::keyClick(antwort(), Qt::Key_Return);
        QVERIFY(!zuWaehrend);
        QCOMPARE(boxenWaehrend, 0); // not even the question during the check
        QCOMPARE(box().text, QStringLiteral("1 Aufgaben: Davon wurden 0 fehlerhaft beantwortet"));
        QCOMPARE(d->gezeigt.last().name, QStringLiteral("TfrmDemo470b"));
        const auto frage = box();
        QCOMPARE(frage.art, QStringLiteral("OkAbbrechen"));
        QCOMPARE(frage.text, QStringLiteral("Wollen Sie DRILLA wirklich beenden?"));
        QVERIFY(!f->isVisible());
        const QByteArray protokoll = leseDatei(pfad("auswertung.txt"));
        QVERIFY2(protokoll.contains(": 0 Fehler\r\n"), protokoll.constData());
        QVERIFY(protokoll.contains(QFile::encodeName(pfad("l.txt"))));
    }

    // Cancelling the deferred end leaves the program running and ready for the next close.
    void aufgeschobenesBeendenAbgebrochen() {
        gestartet();
        laden("a;b\r\nc;d\r\n");
        antwort()->setText(QStringLiteral("falsch"));
        p->warten.waehrend = [&] { QVERIFY(!f->close()); };
        p->meldungen.antworten.enqueue(false);
        kind<QPushButton>("PruefBtn")->click();
        p->warten.waehrend = nullptr;
        QCOMPARE(box().art, QStringLiteral("OkAbbrechen"));
        QVERIFY(f->isVisible());
        QVERIFY(!QFileInfo::exists(pfad("drilla3.ini")));
        QVERIFY(beenden(true));
    }

    // The menu font's colour reaches the toolbar's menus, not only its buttons.
    void menuSchriftFarbeInDenMenues() {
        schreibe("drilla3.ini", "[Setup]\r\nMenuSchrift=Arial,clRed,16,d,b\r\n");
        gestartet();
        for (const char* name : {"LektionenPopup", "FehlerPopUp", "ArbeitsblattPopup",
                                 "EinstellungPopupMenu", "HilfePopup"}) {
            // As the user sees it: opened.
            auto* menu = kind<QMenu>(name);
            menu->popup(QPoint(0, 0));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            const QImage bild = menu->grab().toImage();
            menu->hide();
            int rot = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) {
                    const QColor c = bild.pixelColor(x, y);
                    if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                        ++rot;
                }
            // Disabled entries keep the style's grey; this menu has no other yet.
            const bool nurGesperrt = std::none_of(menu->actions().cbegin(), menu->actions().cend(),
                                                  [](QAction* a) { return a->isEnabled(); });
            QVERIFY2(nurGesperrt || rot > 20, name);
        }
        QVERIFY(beenden(true));
    }

    // A log with a NUL loses what follows at its rewrite: the copy beside it is announced once.
    void beschaedigtesProtokollGemeldet() {
        static const char roh[] = "alt\r\n\0kaputt\r\n";
        const QByteArray beschaedigt(roh, sizeof roh - 1);
        schreibe("auswertung.txt", beschaedigt);
        gestartet();
        f->trainer().LogStrHolder.append(QStringLiteral("neu"));
        f->aktion(QStringLiteral("Auswertung"))->trigger();
        const QString kopie = QDir::toNativeSeparators(pfad("auswertung.txt.original"));
        const auto meldung = box();
        QCOMPARE(meldung.art, QStringLiteral("Information"));
        QVERIFY2(meldung.text.endsWith(kopie), qPrintable(meldung.text));
        QCOMPARE(leseDatei(kopie), beschaedigt);
        f->trainer().LogStrHolder.append(QStringLiteral("neuer"));
        QVERIFY(beenden(true)); // the second rewrite says nothing
        QCOMPARE(leseDatei(pfad("auswertung.txt")), QByteArray("alt\r\nneu\r\nneuer\r\n"));
    }

    void tippsUndHilfe() {
        schreibe("drilla3.tip", "[TIPS]\r\nShowOnStartup=1\r\nNextTip=2\r\n[TIP TEXT]\r\n"
                                "Tip1=Eins\r\nTip2=Zwei\r\n");
        starten();
        box();
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(d->gezeigt.at(0).name, QStringLiteral("abcWelcomeTips1"));
        QCOMPARE(d->gezeigt.at(0).titel, QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        QVERIFY(d->gezeigt.at(0).texte.values().contains(QStringLiteral("Zwei")));
        f->aktion(QStringLiteral("TippsTricks1"))->trigger();
        QVERIFY(d->gezeigt.at(1).texte.values().contains(QStringLiteral("Eins")));

        f->aktion(QStringLiteral("Index1"))->trigger();
        const auto warnung = box();
        QCOMPARE(warnung.art, QStringLiteral("Warnung"));
        QCOMPARE(warnung.text,
                 QStringLiteral("Die Hilfedatei wurde nicht gefunden!\r\nBitte setzten "
                                "Sie sich mit MORVANE in Verbindung."));
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("hilfe")));
        schreibe("hilfe/index.html", "<html><body><h1>Hilfe</h1></body></html>");
        f->aktion(QStringLiteral("Index1"))->trigger();
        QWidget* hilfe = f->findChild<QWidget*>(QStringLiteral("Hilfe"));
        QVERIFY(hilfe && hilfe->isVisible());

        f->aktion(QStringLiteral("Homepage1"))->trigger();
        QCOMPARE(p->shell.aufrufe.last(), QStringLiteral("adresse:https://www.morvane.de/"));
        QVERIFY(beenden(true));
        QVERIFY(!hilfe->isVisible()); // closed at shutdown
    }

    void netzwerkmodus() {
        QTemporaryDir heim;
        f = std::make_unique<TForm1>(p->plattform(), *d);
        p->meldungen.eingaben.enqueue(QString());
        f->FormCreate(ordner->path() + QLatin1Char('/'), true, {heim.path()}, {});
        box();
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("DRILLA, der Lerntrainer  V3.5b  Netzwerkversion"));
        const QString benutzer = heim.path() + QStringLiteral("/MORVANE/DRILLA/");
        QCOMPARE(f->trainer().Lauf.Verzeichnisse.Daten, benutzer);
        QCOMPARE(f->trainer().Lauf.Verzeichnisse.Lektion, benutzer);
        QCOMPARE(f->aktion(QStringLiteral("PrivatesLektionsverzeichnis"))->toolTip(),
                 benutzer + QStringLiteral("Lektion/"));
        QVERIFY(QFileInfo(benutzer + QStringLiteral("Lektion")).isDir());
        QVERIFY(beenden(true));
        QVERIFY(QFileInfo::exists(benutzer + QStringLiteral("drilla3.ini")));
        QVERIFY(!QFileInfo::exists(pfad("drilla3.ini")));
    }
};

QTEST_MAIN(tst_Programmstart)
#include "tst_Programmstart.moc"
