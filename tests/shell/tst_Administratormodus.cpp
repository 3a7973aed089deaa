#include "TFensterUmgebung.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QMenu>

// A teacher's fixed configuration for one run, from the files beside the program.
class tst_Administratormodus : public QObject, public TFensterUmgebung {
    Q_OBJECT

    TFakeMeldungen::TBox box() { return p->meldungen.nimm(); }
    void aktivieren(bool ok = true) {
        p->meldungen.antworten.enqueue(ok);
        f->aktion(QStringLiteral("AdministratorModus"))->trigger();
    }
    QStringList aktiveEintraege(const char* menu) const {
        QStringList aktiv;
        for (QAction* a : f->findChild<QMenu*>(QString::fromLatin1(menu))->actions())
            if (a->isEnabled() && !a->isSeparator())
                aktiv.append(a->text());
        return aktiv;
    }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    void ohneAdminIniGeltenDieVorgaben() {
        schreibeDatei(*ordner, QStringLiteral("drilla3.ini"),
                      "[Setup]\r\nTon=0\r\npopupHilfe=0\r\nAnrede=1\r\nOhneFarbeDrucken=0\r\n"
                      "Netzwerk_Lektions_Pfad=/srv/lektionen/\r\n[Historie]\r\n"
                      "Letzte_Lektion#1=/x/a.txt\r\n");
        gestartet();
        const QString titel = f->windowTitle();
        // Cancelled: nothing changes.
        aktivieren(false);
        QCOMPARE(box().text,
                 QStringLiteral("Willst Du den Administrator-Modus wirklich aktivieren?"));
        QVERIFY(!f->lauf().AdminModusAktiv);
        QVERIFY(f->aktion(QStringLiteral("AdministratorModus"))->isEnabled());
        QCOMPARE(f->lauf().Verzeichnisse.Lektion, QStringLiteral("/srv/lektionen/"));

        aktivieren();
        box();
        QVERIFY(f->lauf().AdminModusAktiv);
        const TOptionen o = f->optionen().werte();
        QVERIFY(o.Ton && o.PopupHilfe && !o.AnredeDu && o.OhneFarbeDrucken && !o.Lesemodus);
        QCOMPARE(f->lauf().Verzeichnisse.Lektion, f->lauf().Verzeichnisse.Daten);
        QCOMPARE(f->historienTitel(), QStringList(5, QStringLiteral("Kein Eintrag")));
        QCOMPARE(kind("AktuelleInfoLabel")->property("text").toString(),
                 QStringLiteral("Bitte beantworten Sie die gestellten Aufgaben."));
        QCOMPARE(f->windowTitle(), titel + QStringLiteral(" Administrator-Modus"));
        QCOMPARE(aktiveEintraege("EinstellungPopupMenu"), QStringList());
        QCOMPARE(aktiveEintraege("ArbeitsblattPopup"), QStringList());
        QVERIFY(!f->aktion(QStringLiteral("GeladeneLektionBearbeiten"))->isEnabled());
        QVERIFY(!f->aktion(QStringLiteral("LesemodusMenu"))->isEnabled());
        QVERIFY(f->aktion(QStringLiteral("Lektionladen"))->isEnabled());
        // The solution refuses, with or without a lesson.
        f->trainer().LoesungAnzeigenImageClick();
        QCOMPARE(box().text,
                 QStringLiteral("Im Administrator-Modus wurde diese Funktion deaktiviert."));
        laden("Haus;house\r\n");
        QTest::keyClick(antwort(), Qt::Key_F2);
        QCOMPARE(box().text,
                 QStringLiteral("Im Administrator-Modus wurde diese Funktion deaktiviert."));
        QCOMPARE(f->trainer().Sitzung.Fehlerzahl, 0);
        QVERIFY(d->gezeigt.isEmpty());
    }

    void eineAdminIniVonHandGeschrieben() {
        const QString lektion =
            schreibeDatei(*ordner, QStringLiteral("test.txt"), "Haus;house\r\n");
        schreibeDatei(*ordner, QStringLiteral("admin.ini"),
                      "[Setup]\r\nBenutzer=Klasse 5a\r\nTon=0\r\nAnrede=1\r\nSofortPr\xfc"
                      "fen=1\r\nFelder_drehen=1\r\nNetzwerk_Lektions_Pfad=" +
                          ordner->path().toUtf8() +
                          "/lektionen\r\n[Historie]\r\nLetzte_Lektion#1=" + lektion.toUtf8() +
                          "\r\n");
        schreibeDatei(*ordner, QStringLiteral("admintasten.txt"),
                      "[Sonderzeichen]\r\nTaste79=\xe9\r\nTaste91=\xdf\r\n");
        starten(QStringLiteral("Anna"));
        box();
        aktivieren();
        QCOMPARE(box().text,
                 QStringLiteral("Wollen Sie den Administrator-Modus wirklich aktivieren?"));
        const TOptionen o = f->optionen().werte();
        QVERIFY(!o.Ton && o.AnredeDu && o.SofortPruefen && o.FelderDrehen);
        QCOMPARE(f->lauf().BenutzerName, QStringLiteral("Klasse 5a"));
        QCOMPARE(kind("BenutzerNameLabel")->property("text").toString(), QStringLiteral("Anna"));
        QCOMPARE(f->lauf().Verzeichnisse.Lektion, ordner->path() + QStringLiteral("/lektionen/"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel79")->text(), QStringLiteral("é"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel80")->text(), QStringLiteral("?"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel91")->text(), QStringLiteral("ß"));
        // The history comes from the teacher's file and opens its lesson.
        QVERIFY(f->historienTitel().first().startsWith(lektion));
        for (QAction* a : f->findChild<QMenu*>(QStringLiteral("LektionenPopup"))->actions())
            if (a->data().toString().startsWith(lektion)) {
                a->trigger();
                break;
            }
        QCOMPARE(f->trainer().Lektion.Pfad, lektion);
    }

    void imNetzwerkLiegtAdminIniBeimProgramm() {
        // An installed program: its shipped files are read-only, the user's data is in HOME.
        QTemporaryDir heim;
        schreibeDatei(*ordner, QStringLiteral("admin.ini"), "[Setup]\r\nBenutzer=Pruefung\r\n");
        const QString daten = heim.path() + QStringLiteral("/MORVANE/DRILLA/");
        QVERIFY(QDir().mkpath(daten));
        QFile tasten(daten + QStringLiteral("admintasten.txt"));
        QVERIFY(tasten.open(QIODevice::WriteOnly) &&
                tasten.write("[Sonderzeichen]\r\nTaste85=\xf1\r\n") > 0);
        tasten.close();
        bauen();
        p->meldungen.eingaben.enqueue(QString());
        f->FormCreate(ordner->path() + QLatin1Char('/'), true, {heim.path()}, {});
        box();
        aktivieren();
        box();
        QCOMPARE(f->lauf().BenutzerName, QStringLiteral("Pruefung"));
        QCOMPARE(kind<TZeichenfeld>("RzLabel85")->text(), QStringLiteral("ñ"));
        QVERIFY(f->windowTitle().endsWith(QStringLiteral("Netzwerkversion Administrator-Modus")));
    }

    void beendenSchreibtNurDiePlatzierung() {
        gestartet();
        // The user's own files as they were when the mode began.
        p->meldungen.antworten.enqueue(true);
        QVERIFY(f->close());
        p->meldungen.vergessen();
        const QByteArray einstellungen = leseDatei(pfad("drilla3.ini"));
        const QByteArray tasten = leseDatei(pfad("tasten.txt"));
        QVERIFY(!einstellungen.isEmpty() && !tasten.isEmpty());
        f.reset();
        QFile::remove(pfad("formpos.ini"));

        gestartet();
        aktivieren();
        box();
        f->aktion(QStringLiteral("Ton1"))->trigger();
        laden("a;b\r\n");
        p->meldungen.antworten.enqueue(true);
        QVERIFY(f->close());
        QCOMPARE(box().art, QStringLiteral("OkAbbrechen"));
        QCOMPARE(box().text, QStringLiteral("Der Administrator-Modus wird nun beendet.\r\nBeim "
                                            "nächsten Start werden die Benutzereinstellungen "
                                            "wieder übernommen."));
        QCOMPARE(leseDatei(pfad("drilla3.ini")), einstellungen);
        QCOMPARE(leseDatei(pfad("tasten.txt")), tasten);
        QVERIFY(QFileInfo::exists(pfad("formpos.ini")));
    }
};

QTEST_MAIN(tst_Administratormodus)
#include "tst_Administratormodus.moc"
