#include "TFensterUmgebung.h"
#include "TPdfText.h"
#include "printing/TEditorDruck.h"
#include "shell/ui/TModulLader.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

// The main window's print menu with the real preview, off screen.
class tst_Druckvorschau : public QObject, TFensterUmgebung {
    Q_OBJECT

private slots:
    void init() {
        anlegen();
        QVERIFY(oeffnen());
    }
    void cleanup() { QVERIFY(abbauen()); }

    // Without the report module (a damaged installation) both windows say so and nothing opens.
    void ohneModul() {
        QTemporaryDir leer;
        TModulLader::setzeOrdner({leer.path()});
        laden("a;b\r\n");
        auto fehlt = [this] {
            const auto box = p->meldungen.nimm();
            QCOMPARE(box.art, QStringLiteral("Fehler"));
            QVERIFY(box.text.startsWith(QStringLiteral(
                "Diese Funktion steht nicht zur Verfügung, weil die Datei drilla_berichte.so")));
        };
        f->aktion(QStringLiteral("Lernfortschritt"))->trigger();
        fehlt();
        p->meldungen.antworten.enqueue(true);
        f->aktion(QStringLiteral("LektionsReport"))->trigger();
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("OkAbbrechen"));
        fehlt();
        QVERIFY(d->gezeigt.isEmpty());
    }

    void vorschauUndPdf() {
        for (const char* name : {"LektionsReport", "ArbeitsblattReport"})
            QVERIFY(f->aktion(QString::fromLatin1(name))->isEnabled());
        laden("die Katze;the cat\r\nder Hund;the dog\r\n");
        const QString pdf = pfad("aus.pdf");
        const QString falsch = pfad("fehlt/aus.pdf");
        p->meldungen.antworten.enqueue(true);
        p->meldungen.dateien.enqueue(pdf);
        p->meldungen.dateien.enqueue(falsch);
        d->waehrend = [&](QDialog& dialog) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* ansicht = dialog.findChild<QPrintPreviewWidget*>();
            QVERIFY(ansicht);
            QCOMPARE(ansicht->zoomMode(), QPrintPreviewWidget::FitInView);
            QCOMPARE(ansicht->pageCount(), 1);
            auto* export_ = dialog.findChild<QAction*>(QStringLiteral("PdfSpeichern"));
            QVERIFY(export_);
            export_->trigger();
            export_->trigger();
            dialog.findChild<QAction*>(QStringLiteral("VorschauSchliessen"))->trigger();
            QVERIFY(!dialog.isVisible());
        };
        f->aktion(QStringLiteral("ArbeitsblattReport"))->trigger();
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("OkAbbrechen"));
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(d->gezeigt.at(0).name, QStringLiteral("Druckvorschau"));
        QCOMPARE(d->gezeigt.at(0).titel, QStringLiteral(" Aufgabenblatt"));
        QCOMPARE(p->meldungen.nimm().dialog.standardEndung, QStringLiteral("*.pdf"));
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Speichern"));
        const auto fehler = p->meldungen.nimm();
        QCOMPARE(fehler.art, QStringLiteral("Fehler"));
        QCOMPARE(fehler.text, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(falsch));
        const QStringList seiten = pdfDateiSeiten(pdf);
        QCOMPARE(seiten.size(), 1);
        QVERIFY(seiten.at(0).contains(QStringLiteral("Arbeitblatt drucken...")));
        QVERIFY(seiten.at(0).contains(QStringLiteral("the cat")));
        QVERIFY(!seiten.at(0).contains(QStringLiteral("die Katze")));
        // The error counter shows the two open exercises.
        QCOMPARE(f->trainer().Sitzung.Fehlerzahl, 2);

        // The editor's entry point reaches the same preview.
        d->waehrend = {};
        f->editorDruck().Lektiondrucken1Click({QStringLiteral("a;b")}, QStringLiteral("/x.txt"));
        QCOMPARE(d->gezeigt.size(), 2);
        QCOMPARE(d->gezeigt.at(1).titel, QStringLiteral(" Lektion"));
    }
};

QTEST_MAIN(tst_Druckvorschau)
#include "tst_Druckvorschau.moc"
