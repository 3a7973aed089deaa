#include "TTrainerUmgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Practising again and differently: error review, history, swap, reading mode, directories.
class tst_Wiederholung : public QObject, TTrainerUmgebung {
    Q_OBJECT

    // Answers the current exercise; a wrong answer is followed by Next.
    void beantworten(bool richtig) {
        a->antwort = richtig ? t->Sitzung.Antwort : QStringLiteral("falsch");
        t->PruefBtnClick();
        if (!richtig)
            t->NaechsteAufgabeBtnClick();
    }
    QString fehlerDatei() { return t->Lauf.Verzeichnisse.Lektion + QStringLiteral("fehler.txt"); }

private slots:
    void init() { anlegen(); }
    void cleanup() { QVERIFY2(p->meldungen.leer(), qPrintable(offeneBox())); }

    void fehlerNochmalsUeben() {
        QByteArray zehn;
        for (int i = 1; i <= 10; ++i)
            zehn += QByteArray::number(i) + "; Frage " + QByteArray::number(i) + "\r\n";
        const QString lektion = laden(zehn);
        for (int i = 1; i <= 10; ++i)
            beantworten(i != 2 && i != 7);
        QCOMPARE(box(), QStringLiteral("10 Aufgaben: Davon wurden 2 fehlerhaft beantwortet"));
        t->FehlerUebenClick();
        QCOMPARE(leseDatei(fehlerDatei()), QByteArray("2; Frage 2\r\n7; Frage 7\r\n"));
        QCOMPARE(t->Lektion.StrHolderLektion.size(), 2);
        QCOMPARE(a->zahlDerAufgaben, QStringLiteral("2 Aufgaben"));
        QCOMPARE(a->fehlerzahl, 0);
        QCOMPARE(a->historie.at(0), fehlerDatei() + QStringLiteral("   "));
        QCOMPARE(t->Lektion.Protokollname, lektion); // the record names the lesson opened before

        // Practising the errors of the error lesson rewrites the file first.
        beantworten(false);
        beantworten(true);
        QCOMPARE(box(), QStringLiteral("2 Aufgaben: Davon wurden 1 fehlerhaft beantwortet"));
        QVERIFY(t->LogStrHolder.last().endsWith(QStringLiteral(": 1 Fehler")));
        QVERIFY(t->LogStrHolder.at(t->LogStrHolder.size() - 2).endsWith(lektion));
        t->FehlerUebenClick();
        QCOMPARE(leseDatei(fehlerDatei()), QByteArray("2; Frage 2\r\n"));
    }

    void zweimalErfassteZeileWirdZweiAufgaben() {
        laden("Haus;house\r\nBaum;tree\r\n");
        t->Optionen.setzen(TOption::SofortPruefen, true);
        a->antwort = QStringLiteral("x");
        t->EingabePruefen();
        t->NaechsteAufgabeBtnClick(); // skipped: presented again
        a->antwort = QStringLiteral("y");
        t->EingabePruefen();
        t->LoesungAnzeigenImageClick(); // the solution display adds nothing more
        t->FehlerUebenClick();
        QCOMPARE(t->Lektion.StrHolderLektion,
                 QStringList({QStringLiteral("Haus;house"), QStringLiteral("Haus;house")}));
    }

    void ohneFehlerWirdAbgebrochen() {
        const QString text =
            QStringLiteral("Es wurden keine Fehler erkannt.\r\nDer Vorgang wird abgebrochen!");
        t->FehlerUebenClick();
        QCOMPARE(box(), text);
        laden("a;b\r\n");
        t->FehlerLektionSpeichernClick();
        QCOMPARE(box(), text);
        QVERIFY(!QFileInfo::exists(fehlerDatei()));
    }

    void fehlerUebenOhneSchreibrecht() {
        laden("a;1\r\nb;2\r\n");
        beantworten(false);
        const QString zeile = t->Sitzung.Zeile;
        t->Lauf.Verzeichnisse.Lektion = ordner->filePath(QStringLiteral("fehlt/"));
        t->FehlerUebenClick();
        QCOMPARE(box(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(fehlerDatei()));
        QCOMPARE(t->Sitzung.Zeile, zeile);
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(t->Lektion.StrHolderLektion.size(), 2);
    }

    void fehlerAlsLektionSpeichern() {
        laden("a;1\r\nb;2\r\n");
        beantworten(false);
        t->FehlerLektionSpeichernClick(); // cancelled
        auto dialog = p->meldungen.nimm();
        p->meldungen.fehlendeAntworten = 0;
        QCOMPARE(dialog.art, QStringLiteral("Speichern"));
        QCOMPARE(dialog.dialog.verzeichnis, t->Lauf.Verzeichnisse.Lektion);
        QCOMPARE(dialog.dialog.vorgabeName, QStringLiteral("fehler.txt"));
        QCOMPARE(dialog.dialog.filter, QStringLiteral("Lektionen  (*.txt)|*.txt"));
        QCOMPARE(dialog.dialog.standardEndung, QStringLiteral("*.txt"));
        const QString ziel = schreibeDatei(*ordner, QStringLiteral("alt.txt"), "alt\r\n");
        p->meldungen.dateien.enqueue(ziel);
        t->FehlerLektionSpeichernClick();
        p->meldungen.nimm();
        QCOMPARE(leseDatei(ziel), QByteArray("a;1\r\n")); // replaced without a question
        QCOMPARE(t->Sitzung.Fehlerzahl, 1);
        QCOMPARE(t->Lektion.StrHolderLektionRest.size(), 1);
        p->meldungen.dateien.enqueue(ordner->filePath(QStringLiteral("fehlt/x.txt")));
        t->FehlerLektionSpeichernClick();
        p->meldungen.nimm();
        QVERIFY(box().endsWith(QStringLiteral("x.txt kann nicht erstellt werden")));
    }

    void historie() {
        const QString erste = laden("a;1\r\n", QStringLiteral("A&B.txt"));
        const QString zweite = laden("b;2\r\n", QStringLiteral("B.txt"));
        QCOMPARE(a->historie.mid(0, 3),
                 QStringList({zweite + QStringLiteral("   "), erste + QStringLiteral("   "),
                              QStringLiteral("kein Eintrag   ")}));
        t->Lauf.BenutzerName = QStringLiteral("Tom");
        t->LogStrHolder.clear();
        t->LetztegeladeneLektion1Click(a->historie.at(1));
        QCOMPARE(t->Lektion.Pfad, erste);
        QCOMPARE(t->Lektion.Protokollname, erste);
        QCOMPARE(a->historie.at(0), zweite + QStringLiteral("   ")); // order unchanged
        QCOMPARE(
            t->LogStrHolder,
            QStringList({QString(19, QLatin1Char(' ')), QStringLiteral("Benutzer         : Tom"),
                         QStringLiteral("Datum            : 09.12.26 14:05:30"),
                         QStringLiteral("Lektion          : ") + erste,
                         QStringLiteral("Status           : Lektion neu geladen")}));
        QCOMPARE(p->klang.gespielt.last(), 7); // the first exercise came before the record

        QFile::remove(erste);
        t->LetztegeladeneLektion1Click(erste + QStringLiteral("   "));
        const auto warnung = p->meldungen.nimm();
        QCOMPARE(warnung.art, QStringLiteral("Warnung"));
        QCOMPARE(warnung.text,
                 QStringLiteral("Die Lektion wurde nicht gefunden!\r\nBitte versuchen "
                                "Sie es mit Hilfe des Menupunktes -Lektion laden-"));
        t->Optionen.setzen(TOption::AnredeDu, true);
        t->LetztegeladeneLektion1Click(QStringLiteral("Kein Eintrag"));
        QVERIFY(box().endsWith(
            QStringLiteral("Bitte versuche es mit Hilfe des Menupunktes -Lektion laden-")));
        QCOMPARE(t->LogStrHolder.size(), 5);

        // At start a missing file is captioned "Kein Eintrag" but keeps its path.
        t->HistorieBeschriften();
        QCOMPARE(a->historie.at(1), QStringLiteral("Kein Eintrag"));
        QCOMPARE(t->StrHolderHistory.at(1), erste);
        QCOMPARE(a->historie.at(0), zweite + QStringLiteral("   "));
    }

    void vertauschen() {
        t->VertauschenClick();
        QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));
        QVERIFY(!t->Optionen.werte().Vertauschen);
        laden("Haus;house\r\nBaum;tree\r\n");
        t->VertauschenClick();
        QCOMPARE(box(),
                 QStringLiteral("Die Vertauschung wird mit der nächsten Aufgabe aktiviert!"));
        QCOMPARE(a->frage, QStringLiteral("house")); // the current exercise stays
        beantworten(false);
        QCOMPARE(a->frage, QStringLiteral("Baum"));
        QCOMPARE(t->Sitzung.Antwort, QStringLiteral("tree"));
        QCOMPARE(t->Sitzung.StrHolderFehler, QStringList{QStringLiteral("Haus;house")});
        t->VertauschenClick();
        QCOMPARE(box(), QStringLiteral(
                            "Die Vertauschung wird mit der nächsten Aufgabe rückgängig gemacht!"));
    }

    void lesemodus() {
        t->LesemodusMenuClick();
        QCOMPARE(
            box(),
            QStringLiteral(
                "Bitte beachten Sie, dass dieser Lesemodus nur dann sinnvoll eingesetzt\r\n"
                "werden kann, wenn die Lektion auch dafür vorgesehen ist.\r\n"
                "Es muss ohne Zweifel möglich sein, den richtigen sowie den falschen\r\n"
                "Vorschlag zu erkennen!\r\n"
                "Details zum Aufbau der Lese-Lektionen kann der Hilfedatei oder\r\n"
                "der Dokumentation entnommen werden\r\n"
                "Die Beispiel-Lektion \"lesetest.txt\" ist im Lektions-Verzeichnis zu finden"));
        QCOMPARE(a->layouts, QList<bool>{false});
        QCOMPARE(a->lesemodusText,
                 QStringLiteral("Klicken Sie den fehlerfreie Satz mit der Maus einfach an!"));

        // Without a lesson the suggestion's text lands in the field, then the refusal.
        t->VorschlagClick(QStringLiteral("Lektion laden ..."));
        QCOMPARE(a->antwort, QStringLiteral("Lektion laden ..."));
        QCOMPARE(box(), QStringLiteral("Es wurde noch keine Lektion geladen."));

        p->zufall.werte = {0, 1, 0, 0};
        laden("Der Hund bellt.;Der Hunt bellt.\r\nGleich.;Gleich.\r\n");
        QCOMPARE(a->vorschlag1, QStringLiteral("Der Hunt bellt."));
        QCOMPARE(a->vorschlag2, QStringLiteral("Der Hund bellt."));
        t->VorschlagClick(a->vorschlag1);
        QCOMPARE(t->Sitzung.StrHolderFehler,
                 QStringList{QStringLiteral("Der Hund bellt.;Der Hunt bellt.")});
        t->VorschlagClick(a->vorschlag2);
        QCOMPARE(t->Sitzung.Zeile, QStringLiteral("Gleich.;Gleich."));
        t->VorschlagClick(a->vorschlag2); // identical sentences: both are right
        QCOMPARE(box(), QStringLiteral("2 Aufgaben: Davon wurden 1 fehlerhaft beantwortet"));

        // Switching off shows nothing and keeps the practice.
        t->LesemodusMenuClick();
        QCOMPARE(a->layouts, QList<bool>({false, true}));
        QVERIFY(t->Sitzung.Beendet);
    }

    void lektionsverzeichnisse() {
        // Without the key the browser offers the program's "Lektion" folder.
        t->NetzwerkLektionsPfadClick();
        auto browser = p->meldungen.nimm();
        p->meldungen.fehlendeAntworten = 0;
        QCOMPARE(browser.art, QStringLiteral("Ordner"));
        QCOMPARE(browser.titel, QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        QCOMPARE(browser.text, QStringLiteral("Netzwerk-Lektionsverzeichnis auswählen ..."));
        QCOMPARE(browser.dialog.verzeichnis,
                 t->Lauf.Verzeichnisse.Programm + QStringLiteral("Lektion"));
        QCOMPARE(a->netzwerkHinweis, browser.dialog.verzeichnis);
        QCOMPARE(t->Lauf.Verzeichnisse.Lektion,
                 t->Lauf.Verzeichnisse.Daten); // cancelled: unchanged

        const QString netz = ordner->filePath(QStringLiteral("netz"));
        p->meldungen.dateien.enqueue(netz);
        t->NetzwerkLektionsPfadClick();
        p->meldungen.nimm();
        QCOMPARE(t->Lauf.Verzeichnisse.Lektion, netz + QLatin1Char('/'));
        QVERIFY(leseDatei(t->Lauf.Verzeichnisse.Daten + QStringLiteral("drilla3.ini"))
                    .contains("Netzwerk_Lektions_Pfad=" + netz.toLatin1() + "\r\n"));
        t->NetzwerkLektionsPfadClick(); // now the stored folder is offered
        QCOMPARE(p->meldungen.nimm().dialog.verzeichnis, netz);
        p->meldungen.fehlendeAntworten = 0;

        t->PrivatesLektionsverzeichnisClick();
        const QString privat = t->Lauf.Verzeichnisse.Daten + QStringLiteral("Lektion/");
        QCOMPARE(box(), QStringLiteral("Das Lektionsverzeichnis wurde auf: ") + privat +
                            QStringLiteral(" eingestellt"));
        QCOMPARE(t->Lauf.Verzeichnisse.Lektion, privat);
        QCOMPARE(a->privatHinweis, privat);

        // A settings file that cannot be written: the error, the directory stays.
        QFile::remove(t->Lauf.Verzeichnisse.Daten + QStringLiteral("drilla3.ini"));
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("drilla3.ini")));
        p->meldungen.dateien.enqueue(netz);
        t->NetzwerkLektionsPfadClick();
        p->meldungen.nimm();
        const auto fehler = p->meldungen.nimm();
        QCOMPARE(fehler.art, QStringLiteral("Fehler"));
        QCOMPARE(fehler.text, QStringLiteral("nach %1drilla3.ini kann nicht geschrieben werden")
                                  .arg(t->Lauf.Verzeichnisse.Daten));
        QCOMPARE(t->Lauf.Verzeichnisse.Lektion, privat);
    }
};

QTEST_GUILESS_MAIN(tst_Wiederholung)
#include "tst_Wiederholung.moc"
