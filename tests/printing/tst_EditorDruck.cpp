#include "TFakeFortschritt.h"
#include "TFakePlattform.h"
#include "TFakeVorschau.h"
#include "TTestDateien.h"
#include "printing/TEditorDruck.h"
#include "shell/TTexte.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_EditorDruck : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> p;
    std::unique_ptr<TFakeVorschau> vorschau;
    std::unique_ptr<TFakeFortschritt> fortschritt;
    std::unique_ptr<TEditorDruck> druck;
    std::unique_ptr<QTemporaryDir> ordner;
    QString zusatz = TTexte::versionsZusatz();

    QStringList spalte(const char* name) const {
        return TFakeVorschau::spalte(vorschau->letzter(), name);
    }
    void datei(const char* name, int groesse, QDate datum = QDate(2025, 11, 3)) {
        QFile f(ordner->filePath(QString::fromUtf8(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(groesse, 'x'));
        f.flush();
        f.setFileTime(QDateTime(datum, QTime(8, 0)), QFileDevice::FileModificationTime);
    }

private slots:
    void init() {
        p = std::make_unique<TFakePlattform>();
        vorschau = std::make_unique<TFakeVorschau>();
        fortschritt = std::make_unique<TFakeFortschritt>();
        druck = std::make_unique<TEditorDruck>(p->plattform(), zusatz, *vorschau, *fortschritt);
        ordner = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { QVERIFY(p->meldungen.leer()); }

    // The table in its order, numbered from 1, with the layout's shadow and no pause.
    void tabelle() {
        const QStringList zeilen = {"B1;F1", "ohne Strich", "B3;F3;mehr", "[x];[PAGE#]"};
        druck->Lektiondrucken1Click(zeilen, QStringLiteral("/l/tiere.txt"));
        const TFertigerBericht& b = vorschau->letzter();
        QCOMPARE(b.titel(), QStringLiteral(" Lektion"));
        QCOMPARE(spalte("IndexMemo"), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(spalte("AufgabeMemo"), (QStringList{"F1", "ohne Strich", "F3;mehr", "[PAGE#]"}));
        QCOMPARE(spalte("AntwortMemo"), (QStringList{"B1", "", "B3", "[x]"}));
        QCOMPARE(spalte("AufgabeLabel"), QStringList(4, QStringLiteral("Aufgabe")));
        QCOMPARE(spalte("LektionsMemo"), QStringList(4, QStringLiteral("/l/tiere.txt")));
        QCOMPARE(spalte("Memo8"), QStringList(4, QStringLiteral("Gesamte Lektion drucken...")));
        QCOMPARE(spalte("Memo1").value(3), QStringLiteral("DRILLA, der Lerntrainer  V3.5b "));
        QVERIFY(
            !TFakeVorschau::zustand(b, 3, QStringLiteral("AufgabeMemo"))->seitenNummerAuswerten);
        QVERIFY(b.Layout.objekt(QStringLiteral("IndexMemo"))->schatten);
        QVERIFY(p->warten.pausen.isEmpty());
        QVERIFY(druck->LektionsQuelle.StrHolderReport2.isEmpty());
        // Asked twice for the first record, the first row is still taken once.
        druck->LektionsQuelle.fuellen(zeilen, {});
        druck->LektionsQuelle.erster(druck->frReport2);
        druck->LektionsQuelle.erster(druck->frReport2);
        QCOMPARE(druck->LektionsQuelle.StrHolderReport2.size(), 3);
    }

    void leereTabelle() {
        druck->Lektiondrucken1Click({}, QStringLiteral("/l/x.txt"));
        QCOMPARE(p->meldungen.nimm().text, QStringLiteral("Es wurde noch keine Lektion geladen."));
        QVERIFY(vorschau->gezeigt.isEmpty());
    }

    // "*.txt" files only, any case, no directories; sizes in bytes and the short date.
    void liste() {
        datei("b.txt", 12);
        datei("A.TXT", 0);
        datei("c.txt", 5000);
        datei("notiz.doc", 3);
        datei("c.txt.bak", 3);
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("ordner.txt")));
        const QString verzeichnis = ordner->path() + QLatin1Char('/');
        // The start-up may turn the version suffix into the network one after construction.
        zusatz = QStringLiteral(" V3.5b  Netzwerkversion");
        for (int mal = 0; mal < 2; ++mal) {
            druck->LektionenDruckenClick(verzeichnis, QStringLiteral("/l/tiere.txt"));
            QCOMPARE(vorschau->gezeigt.size(), mal + 1);
            QCOMPARE(vorschau->letzter().titel(), QStringLiteral(" Liste aller Lektion"));
            QCOMPARE(spalte("MemoNr"), (QStringList{"1", "2", "3"}));
            QCOMPARE(spalte("MemoDateiname"), (QStringList{"A.TXT", "b.txt", "c.txt"}));
            QCOMPARE(spalte("MemoGroesse"), (QStringList{"0 Byte", "12 Byte", "5000 Byte"}));
            QCOMPARE(spalte("MemoDatum"), QStringList(3, QStringLiteral("03.11.25")));
            QCOMPARE(spalte("Memo8").value(0), QStringLiteral("Liste aller Lektionen drucken..."));
            QCOMPARE(spalte("Memo1").value(1),
                     QStringLiteral("DRILLA, der Lerntrainer  V3.5b  Netzwerkversion"));
            QCOMPARE(spalte("LektionsMemo").value(2), QStringLiteral("/l/tiere.txt"));
        }
        QVERIFY(druck->ListenQuelle.StrHolderLektionen.isEmpty());
        QCOMPARE(druck->ListBox1.size(), 3);
    }

    // A file gone before its record: -1 and no date.
    void verschwundeneDatei() {
        datei("a.txt", 4);
        datei("b.txt", 4);
        fortschritt->waehrend = [this](int fertig) {
            if (fertig == 1)
                QFile::remove(ordner->filePath(QStringLiteral("b.txt")));
        };
        druck->LektionenDruckenClick(ordner->path(), {});
        QCOMPARE(spalte("MemoGroesse"), (QStringList{"4 Byte", "-1 Byte"}));
        QCOMPARE(spalte("MemoDatum").value(1), QString());
    }

    void keineLektionen() {
        datei("liesmich.md", 3);
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("x.txt")));
        druck->LektionenDruckenClick(ordner->path(), {});
        druck->LektionenDruckenClick(ordner->filePath(QStringLiteral("fehlt")), {});
        for (int i = 0; i < 2; ++i)
            QCOMPARE(p->meldungen.nimm().text,
                     QStringLiteral("Es wurde im Lektionsverzeichnis keine Lektionen gefunden."));
        QVERIFY(vorschau->gezeigt.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_EditorDruck)
#include "tst_EditorDruck.moc"
