#include "TFakeProgrammFenster.h"
#include "TTrainerUmgebung.h"
#include "shell/TLaufDaten.h"
#include "shell/TOptionenModell.h"
#include "shell/TProgrammablauf.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// Start-up, settings and shutdown without a window, and the options model they share.
class tst_TProgrammablauf : public QObject, public TTrainerUmgebung {
    Q_OBJECT

    std::unique_ptr<TFakeProgrammFenster> fenster;
    std::unique_ptr<TProgrammablauf> ablauf;

    QString pfad(const char* name) const { return ordner->filePath(QString::fromUtf8(name)); }
    void starten(const QString& name = QString()) {
        p->meldungen.eingaben.enqueue(name);
        ablauf->FormCreate(ordner->path() + QLatin1Char('/'), false, {}, {});
        QCOMPARE(p->meldungen.nimm().art, QStringLiteral("Eingabe"));
    }

private slots:
    void init() {
        anlegen();
        fenster = std::make_unique<TFakeProgrammFenster>();
        ablauf =
            std::make_unique<TProgrammablauf>(*fenster, *a, *t, p->plattform(), *lauf, *optionen);
    }
    void cleanup() {
        QVERIFY2(p->meldungen.leer(), qPrintable(p->meldungen.offen().value(0).text));
        ablauf.reset();
        t.reset();
    }

    void modellMeldetNurAenderungen() {
        TOptionenModell m;
        QSignalSpy spion(&m, &TOptionenModell::geaendert);
        m.setzen(TOption::Ton, true); // already on
        QCOMPARE(spion.count(), 0);
        m.umschalten(TOption::AnredeDu);
        QCOMPARE(spion.count(), 1);
        QCOMPARE(spion.at(0).at(0).value<TOption>(), TOption::AnredeDu);
        QCOMPARE(m.AnredeIndex(), 1);
        TOptionen neu = m.werte();
        neu.Lesemodus = true;
        neu.Ton = false;
        spion.clear();
        m.uebernehmen(neu);
        QCOMPARE(spion.count(), 2);
        for (const auto& signal : spion)
            QVERIFY(signal.at(1).toBool() == m.wert(signal.at(0).value<TOption>()));
        QVERIFY(m.wert(TOption::Lesemodus) && !m.wert(TOption::Ton) && m.wert(TOption::AnredeDu));
    }

    void startUebernimmtDieEinstellungen() {
        QVERIFY(!schreibeDatei(*ordner, QStringLiteral("drilla3.ini"),
                               "[Setup]\r\nTon=0\r\nAnrede=1\r\nBenutzer=Mia\r\n")
                     .isEmpty());
        optionen->setzen(TOption::Vertauschen, true); // a run-only value survives the file
        QSignalSpy spion(optionen.get(), &TOptionenModell::geaendert);
        starten(QStringLiteral("Mia K."));
        QVERIFY(fenster->gezeigt && fenster->vorbereitet);
        QCOMPARE(fenster->titel, QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        QVERIFY(!optionen->werte().Ton && optionen->werte().AnredeDu);
        QVERIFY(optionen->werte().Vertauschen);
        QCOMPARE(spion.count(), 2);
        QCOMPARE(lauf->Verzeichnisse.Daten, ordner->path() + QLatin1Char('/'));
        QCOMPARE(lauf->BenutzerName, QStringLiteral("Mia K."));
        QCOMPARE(fenster->benutzer, QStringLiteral("Mia K."));
        QCOMPARE(a->infoText, QStringLiteral("Bitte beantworte die gestellten Aufgaben."));
        QCOMPARE(fenster->tasten.size(), 13);
    }

    void beendenSchreibtWasDerPlanSagt() {
        starten();
        fenster->tasten = QStringList(13, QStringLiteral("é"));
        fenster->historie = QStringList(5, QStringLiteral("kein Eintrag"));
        t->LogStrHolder.append(QStringLiteral("neu"));
        const TProgrammablauf::TBeendenPlan plan = ablauf->beendenPlan();
        QVERIFY(plan.Platzierung && plan.Protokoll && plan.Einstellungen && plan.Tasten);

        p->meldungen.antworten.enqueue(false);
        QVERIFY(!ablauf->FormCloseQuery());
        p->meldungen.nimm();
        QVERIFY(!QFileInfo::exists(pfad("formpos.ini")));

        p->meldungen.antworten.enqueue(true);
        QVERIFY(ablauf->FormCloseQuery());
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Wollen Sie DRILLA wirklich beenden?"));
        ablauf->FormClose();
        QVERIFY(fenster->hilfeGeschlossen);
        QVERIFY(QFileInfo::exists(pfad("formpos.ini")));
        QCOMPARE(leseDatei(pfad("auswertung.txt")), QByteArray("neu\r\n"));
        QVERIFY(leseDatei(pfad("drilla3.ini")).contains("Benutzer=unbekannt\r\n"));
        QVERIFY(leseDatei(pfad("tasten.txt")).contains("Taste91=\xe9\r\n"));
    }
};

QTEST_MAIN(tst_TProgrammablauf)
#include "tst_TProgrammablauf.moc"
