#include "TFensterUmgebung.h"
#include "TTestDateien.h"
#include "backup/ui/TFormBackup.h"
#include "backup/ui/TFormSicherungsFortschritt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

QStringList inhalt(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class tst_TFormBackup : public QObject, TFensterUmgebung {
    Q_OBJECT

    QString lektion;
    QString stick;

    // A backup window over the lesson folder, with the stick as the one medium.
    std::unique_ptr<TFormBackup> fenster(int anrede = 0) {
        return std::make_unique<TFormBackup>(
            p->meldungen, anrede, lektion, QList<TSicherungsZiel>{{QStringLiteral("STICK"), stick}},
            nullptr);
    }
    template <typename T> static T* kind(QWidget& w, const char* name) {
        T* k = w.findChild<T*>(QString::fromLatin1(name));
        if (!k)
            qFatal("missing control %s", name);
        return k;
    }

private slots:
    void init() {
        anlegen();
        lektion = ordner->filePath(QStringLiteral("Lektion")) + QLatin1Char('/');
        stick = ordner->filePath(QStringLiteral("media/STICK")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(lektion + QStringLiteral("Unterordner")));
        QVERIFY(QDir().mkpath(stick));
        QVERIFY(!schreibeDatei(*ordner, QStringLiteral("Lektion/englisch.txt"), "dog;Hund\r\n")
                     .isEmpty());
        QVERIFY(
            !schreibeDatei(*ordner, QStringLiteral("Lektion/Unterordner/x.txt"), "x").isEmpty());
    }
    void cleanup() { QVERIFY(abbauen()); }

    void aufbau() {
        auto w = fenster();
        QCOMPARE(w->windowTitle(), QStringLiteral("Lektionen sichern ..."));
        QCOMPARE(w->size(), QSize(536, 168));
        QCOMPARE(kind<QLabel>(*w, "StatusBarPath")->text(),
                 QStringLiteral("Lektions-Verzeichnis ist ") + lektion);
        QCOMPARE(w->quellMuster(), lektion + QStringLiteral("*.*"));
        auto* medium = kind<QRadioButton>(*w, "ZielMedium1");
        QCOMPARE(medium->text(), QStringLiteral("STICK (") + stick + QLatin1Char(')'));
        QVERIFY(medium->isChecked());
        QVERIFY(kind<QPushButton>(*w, "BitBtnStart")->isDefault());

        // Without a medium the folder entry is chosen; with many the window grows to hold them,
        // and a name is shown as it is.
        TFormBackup ohne(p->meldungen, 0, lektion, {}, nullptr);
        QVERIFY(kind<QRadioButton>(ohne, "ZielOrdner")->isChecked());
        QList<TSicherungsZiel> viele;
        for (int i = 0; i < 5; ++i)
            viele.append({QStringLiteral("M%1").arg(i), QStringLiteral("/media/m%1/").arg(i)});
        viele[0].name = QStringLiteral("Max & Moritz");
        TFormBackup gross(p->meldungen, 0, lektion, viele, nullptr);
        QCOMPARE(gross.size(), QSize(536, 168 + 3 * 17));
        QVERIFY(kind<QRadioButton>(gross, "ZielOrdner")->geometry().bottom() <
                kind<QGroupBox>(gross, "RadioGroupTarget")->height());
        QCOMPARE(kind<QLabel>(gross, "StatusBarPath")->geometry().bottom(), gross.height() - 1);
        QCOMPARE(kind<QRadioButton>(gross, "ZielMedium1")->text(),
                 QStringLiteral("Max && Moritz (/media/m0/)"));
    }

    void abbrechenKopiertNichts() {
        for (bool esc : {false, true}) {
            auto w = fenster();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            if (esc)
                QTest::keyClick(w.get(), Qt::Key_Escape);
            else
                kind<QPushButton>(*w, "BitBtnCancel")->click();
            QVERIFY(!w->isVisible());
            QCOMPARE(w->result(), int(QDialog::Rejected));
        }
        QVERIFY(inhalt(stick).isEmpty());
    }

    void sichernAufDasMedium() {
        auto w = fenster();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // Enter starts, as OK is the default button.
        QTest::keyClick(w.get(), Qt::Key_Return);
        const auto box = p->meldungen.nimm();
        QCOMPARE(box.art, QStringLiteral("Schlicht"));
        QCOMPARE(box.titel, QStringLiteral("DRILLA V3.5b "));
        QCOMPARE(box.text, QStringLiteral("Die Lektionen wurden\n\rvon ") + lektion +
                               QStringLiteral("*.* \n\rnach ") + stick +
                               QStringLiteral(" gesichert."));
        QCOMPARE(inhalt(stick), QStringList{QStringLiteral("englisch.txt")});
        QCOMPARE(leseDatei(stick + QStringLiteral("englisch.txt")), QByteArray("dog;Hund\r\n"));
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QVERIFY(kind<QPushButton>(*w, "BitBtnStart")->isEnabled());
    }

    void fehlerOderAbbruchOhneErfolgsmeldung() {
        // The medium was taken out after the window opened.
        {
            auto w = fenster(1);
            QVERIFY(QDir(stick).removeRecursively());
            w->BitBtnStartClick();
            const auto box = p->meldungen.nimm();
            QCOMPARE(box.art, QStringLiteral("Fehler"));
            QVERIFY(box.text.contains(QStringLiteral("Bitte prüfe")));
            QVERIFY(p->meldungen.leer());
            QCOMPARE(w->result(), int(QDialog::Accepted));
        }
        // Cancelled in the progress window.
        QVERIFY(QDir().mkpath(stick));
        auto w = fenster();
        w->show();
        QTimer::singleShot(0, this, [&w] {
            auto* f = w->findChild<TFormSicherungsFortschritt*>();
            QVERIFY(f && f->isVisible());
            QVERIFY(!kind<QPushButton>(*w, "BitBtnStart")->isEnabled());
            kind<QPushButton>(*f, "AbbrechenBtn")->click();
        });
        w->BitBtnStartClick();
        QVERIFY(p->meldungen.leer());
        QVERIFY(inhalt(stick).isEmpty());
        QVERIFY(!w->findChild<TFormSicherungsFortschritt*>());
    }

    void ausDemMenueInEinenOrdner() {
        QVERIFY(oeffnen());
        f->lauf().Verzeichnisse.Lektion = lektion;
        QAction* sicherung = f->aktion(QStringLiteral("Datensicherung1"));
        QVERIFY(sicherung->isEnabled());
        const QString ziel = ordner->filePath(QStringLiteral("Sicherung"));
        QVERIFY(QDir().mkpath(ziel));
        d->waehrend = [this, ziel](QDialog& dialog) {
            kind<QRadioButton>(dialog, "ZielOrdner")->setChecked(true);
            // Cancelling the folder choice leaves the window open and copies nothing.
            p->meldungen.dateien.enqueue(QString());
            kind<QPushButton>(dialog, "BitBtnStart")->click();
            const auto box = p->meldungen.nimm();
            QCOMPARE(box.art, QStringLiteral("Ordner"));
            QCOMPARE(box.text, QStringLiteral("Wählen Sie den Ordner, in den die Lektionen "
                                              "gesichert werden sollen."));
            QCOMPARE(dialog.result(), 0);
            QVERIFY(inhalt(ziel).isEmpty());
            p->meldungen.dateien.enqueue(ziel);
            kind<QPushButton>(dialog, "BitBtnStart")->click();
        };
        sicherung->trigger();
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(d->gezeigt.at(0).name, QStringLiteral("FormBackup"));
        p->meldungen.nimm();
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Die Lektionen wurden\n\rvon ") +
                                               lektion + QStringLiteral("*.* \n\rnach ") + ziel +
                                               QStringLiteral("/ gesichert."));
        QCOMPARE(inhalt(ziel), QStringList{QStringLiteral("englisch.txt")});
        QCOMPARE(f->lauf().Verzeichnisse.Lektion, lektion);
    }
};

QTEST_MAIN(tst_TFormBackup)
#include "tst_TFormBackup.moc"
