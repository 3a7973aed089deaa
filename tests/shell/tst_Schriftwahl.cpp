#include "TEinhaengung.h"
#include "TFensterUmgebung.h"
#include "shell/TNewIniFile.h"
#include "shell/TProgrammablauf.h"
#include "shell/TSchriftWahl.h"
#include "shell/ui/TWerkzeugKnopf.h"
#include "shell/ui/TfrmLMDFontForm.h"
#include "tiles/ui/TZeichenfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <unistd.h>

namespace {

const char* const kMenus[] = {"LektionenPopup", "ArbeitsblattPopup", "FehlerPopUp", "HilfePopup",
                              "EinstellungPopupMenu"};

// A change in the font window: a face other than the window's default, bold, red, 20 points.
struct TWahl {
    QString name;
    void operator()(QDialog& d) {
        auto* liste = d.findChild<QListWidget*>(QStringLiteral("Schriftliste"));
        for (int i = 0; i < liste->count() && name.isEmpty(); ++i)
            if (!liste->item(i)->text().startsWith(QStringLiteral("Comic")))
                name = liste->item(i)->text();
        liste->setCurrentItem(liste->findItems(name, Qt::MatchExactly).value(0));
        d.findChild<QListWidget*>(QStringLiteral("Schnittliste"))->setCurrentRow(2);
        auto* farbe = d.findChild<QComboBox*>(QStringLiteral("Farbe"));
        farbe->setCurrentIndex(farbe->findText(QStringLiteral("Rot")));
        auto* groessen = d.findChild<QListWidget*>(QStringLiteral("Groessenliste"));
        groessen->setCurrentItem(groessen->findItems(QStringLiteral("20"), Qt::MatchExactly)[0]);
        d.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    }
};

} // namespace

Q_DECLARE_METATYPE(TSchriftWahl::TArt)

class tst_Schriftwahl : public QObject, public TFensterUmgebung {
    Q_OBJECT

    QString ini() const { return f->lauf().Verzeichnisse.Daten + QStringLiteral("drilla3.ini"); }
    QString gespeichert(const char* schluessel) const {
        return TNewIniFile(ini()).textLesen(QStringLiteral("Setup"),
                                            QString::fromLatin1(schluessel), QString());
    }
    void befehl(TSchriftWahl::TArt art, const std::function<void(QDialog&)>& waehrend) {
        d->waehrend = waehrend;
        f->aktion(art == TSchriftWahl::TArt::Menu ? QStringLiteral("SchriftartderMenupunkte1")
                                                  : QStringLiteral("SchriftartderZahlenfelder1"))
            ->trigger();
        d->waehrend = nullptr;
    }
    // Every control the font reaches, with the font it shows.
    QList<QWidget*> ziele(TSchriftWahl::TArt art) const {
        QList<QWidget*> w;
        if (art == TSchriftWahl::TArt::Menu) {
            for (const char* m : kMenus)
                w.append(kind<QMenu>(m));
            for (int k = 1; k <= 6; ++k)
                w.append(kind<QToolButton>(qPrintable(QStringLiteral("btn%1").arg(k))));
        } else {
            for (const char* n : {"FrageLabel", "AntwortEdit", "Vorschlag1label", "Vorschlag2label",
                                  "RzLabel1", "RzLabel47", "RzLabel91"})
                w.append(kind(n));
        }
        return w;
    }
    void zeigtSchrift(TSchriftWahl::TArt art, const QString& name, int punkte, bool fett) {
        for (QWidget* w : ziele(art)) {
            QVERIFY2(w->font().family() == name,
                     qPrintable(w->objectName() + QStringLiteral(": ") + w->font().family()));
            QCOMPARE(w->font().pointSize(), punkte);
            QCOMPARE(w->font().bold(), fett);
        }
    }
    void beenden() {
        p->meldungen.antworten.enqueue(true);
        QVERIFY(f->close());
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("OkAbbrechen"));
        f.reset();
    }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY(abbauen()); }

    // A fresh installation shows Arial, while the window offers Comic Sans MS 12; cancelling
    // stores nothing and changes nothing. (A disabled command would show no window.)
    void frischeInstallation_data() {
        QTest::addColumn<TSchriftWahl::TArt>("art");
        QTest::newRow("Menu") << TSchriftWahl::TArt::Menu;
        QTest::newRow("Feld") << TSchriftWahl::TArt::Feld;
    }
    void frischeInstallation() {
        QFETCH(TSchriftWahl::TArt, art);
        gestartet();
        const int punkte = art == TSchriftWahl::TArt::Menu ? 12 : 14;
        zeigtSchrift(art, QStringLiteral("Arial"), punkte, false);
        TSchriftDaten imFenster;
        befehl(art, [&](QDialog& dialog) {
            imFenster = static_cast<TfrmLMDFontForm&>(dialog).schrift();
            TWahl{}(dialog); // changes everything, then
            dialog.findChild<QPushButton*>(QStringLiteral("AbbrechenBtn"))->click();
        });
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(imFenster, TSchriftWahl::fensterVorgabe());
        QCOMPARE(imFenster.Name, QStringLiteral("Comic Sans MS"));
        QCOMPARE(imFenster.Groesse, 12);
        zeigtSchrift(art, QStringLiteral("Arial"), punkte, false);
        QCOMPARE(gespeichert("MenuSchrift"), QString());
        QCOMPARE(gespeichert("AZSchrift"), QString());
    }

    // "&Ok" stores the font at once and the window shows it; the shutdown writes do not put an
    // older font back, and the next start shows it again.
    void okWirktSofortUndBleibt_data() { frischeInstallation_data(); }
    void okWirktSofortUndBleibt() {
        QFETCH(TSchriftWahl::TArt, art);
        const char* schluessel = art == TSchriftWahl::TArt::Menu ? "MenuSchrift" : "AZSchrift";
        gestartet();
        TWahl wahl;
        befehl(art, std::ref(wahl));
        QVERIFY(!wahl.name.isEmpty());
        QCOMPARE(gespeichert(schluessel), wahl.name + QStringLiteral(",clRed,20,d,b"));
        zeigtSchrift(art, wahl.name, 20, true);
        const auto andere =
            art == TSchriftWahl::TArt::Menu ? TSchriftWahl::TArt::Feld : TSchriftWahl::TArt::Menu;
        zeigtSchrift(andere, QStringLiteral("Arial"), andere == TSchriftWahl::TArt::Menu ? 12 : 14,
                     false);
        if (art == TSchriftWahl::TArt::Feld)
            QCOMPARE(kind("FrageLabel")->palette().color(QPalette::WindowText), QColor(Qt::red));
        else
            QCOMPARE(kind<TWerkzeugKnopf>("btn1")->textFarbe(), QColor(Qt::red));

        beenden();
        gestartet();
        zeigtSchrift(art, wahl.name, 20, true);
        QCOMPARE(gespeichert(schluessel), wahl.name + QStringLiteral(",clRed,20,d,b"));
        // The window opens with the stored font.
        befehl(art, [&](QDialog& dialog) {
            const TSchriftDaten s = static_cast<TfrmLMDFontForm&>(dialog).schrift();
            QCOMPARE(s.Name, wahl.name);
            QCOMPARE(s.Groesse, 20);
            QVERIFY(s.Fett);
            dialog.findChild<QPushButton*>(QStringLiteral("AbbrechenBtn"))->click();
        });
    }

    // A name with a comma, as an earlier version stored it, is offered and stored so that it
    // reads back; the other lines of the file stay.
    void kommaImNamen() {
        schreibeDatei(*ordner, QStringLiteral("drilla3.ini"),
                      "[Setup]\r\nAZSchrift=Noto Sans, Bold,clNavy,16,d,i\r\nTon=0\r\n");
        gestartet();
        befehl(TSchriftWahl::TArt::Feld, [](QDialog& dialog) {
            const TSchriftDaten s = static_cast<TfrmLMDFontForm&>(dialog).schrift();
            QCOMPARE(s.Name, QStringLiteral("Noto Sans, Bold"));
            QCOMPARE(s.Farbe, quint32(0x00800000));
            dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        QCOMPARE(gespeichert("AZSchrift"), QStringLiteral("Noto Sans,, Bold,clNavy,16,d,i"));
        QCOMPARE(TNewIniFile(ini()).textLesen(QStringLiteral("Setup"), QStringLiteral("Ton"), {}),
                 QStringLiteral("0"));
        QCOMPARE(kind("FrageLabel")->font().pointSize(), 16);
        QVERIFY(kind("FrageLabel")->font().italic());
    }

    // On a write-protected disk the usual box appears and the program keeps the font it shows.
    void schreibgeschuetzt() {
        if (geteuid() != 0)
            QSKIP("Only root can make the read-only bind mount this test needs.");
        const QString quelle = pfad("quelle");
        QVERIFY(QDir().mkpath(quelle));
        const QByteArray inhalt = "[Setup]\r\nMenuSchrift=Arial,clBlack,12,d,\r\n";
        schreibeDatei(*ordner, QStringLiteral("quelle/drilla3.ini"), inhalt);
        const QString nurLesen = pfad("nurlesen");
        const TEinhaengung bind(nurLesen, {QStringLiteral("--bind"), QStringLiteral("-o"),
                                           QStringLiteral("ro"), quelle});
        if (!bind.ok())
            QSKIP("a read-only bind mount failed (no mount rights in this container?)");
        if (QFile probe(nurLesen + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly))
            QSKIP("the bind mount did not become read-only on this system");

        bauen();
        f->lauf().Verzeichnisse.Daten = nurLesen + QLatin1Char('/');
        f->ablauf().EinstellungenLaden(ini());
        TWahl wahl;
        befehl(TSchriftWahl::TArt::Menu, std::ref(wahl));
        const TFakeMeldungen::TBox box = p->meldungen.nimm();
        QCOMPARE(box.art, QStringLiteral("Fehler"));
        QCOMPARE(box.text, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(ini()));
        zeigtSchrift(TSchriftWahl::TArt::Menu, QStringLiteral("Arial"), 12, false);
        QFile datei(ini());
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), inhalt);
    }
};

QTEST_MAIN(tst_Schriftwahl)
#include "tst_Schriftwahl.moc"
