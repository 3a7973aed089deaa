#include "TEinhaengung.h"
#include "TFakeMeldungen.h"
#include "TTestDateien.h"
#include "backup/TDatensicherung.h"
#include "backup/TWechselmedien.h"
#include "lessons/TStrHolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <unistd.h>

namespace {

// Records what the copy reports and cancels on request.
class TFortschritt : public ISicherungsFortschritt {
public:
    void beginnen(int dateien, qint64 bytes) override {
        this->dateien = dateien;
        gesamt = bytes;
        if (beimBeginn)
            beimBeginn();
    }
    bool stand(int fertig, qint64 bytes, const QString&) override {
        letzteFertig = fertig;
        letzteBytes = bytes;
        return !abbrechen || !abbrechen(fertig, bytes);
    }
    void beenden() override { ++beendet; }

    int dateien = -1;
    qint64 gesamt = -1;
    int letzteFertig = -1;
    qint64 letzteBytes = -1;
    int beendet = 0;
    std::function<void()> beimBeginn;
    std::function<bool(int, qint64)> abbrechen;
};

QString datei(const QString& ordner, const char* name) {
    return ordner + QLatin1Char('/') + QString::fromUtf8(name);
}

bool schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList inhalt(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

const QStringList kKnoepfe = {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Alle"),
                              QStringLiteral("Abbrechen")};

} // namespace

class tst_TDatensicherung : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> basis;
    TFakeMeldungen m;
    QString quelle;
    QString ziel;

    void antworte(std::initializer_list<int> knoepfe) {
        for (int k : knoepfe)
            m.auswahlen.enqueue(k);
    }
    TDatensicherung::Ergebnis sichern(TFortschritt* f = nullptr) {
        return TDatensicherung(m, 0).sichern(quelle + QLatin1Char('/'), ziel, f);
    }
    // Three lessons, one without a dot, a hidden one, and a subfolder that stays behind.
    void quelleFuellen() {
        QVERIFY(schreibe(datei(quelle, "a.txt"), "Hund;dog\r\n"));
        QVERIFY(schreibe(datei(quelle, "b\xc3\xa4r.txt"), QByteArray("bin\0\xff\x81", 6)));
        QVERIFY(schreibe(datei(quelle, "ohnepunkt"), "x;y\r\n"));
        QVERIFY(schreibe(datei(quelle, ".versteckt"), "v;w\r\n"));
        QVERIFY(QDir(quelle).mkpath(QStringLiteral("unter/tiefer")));
        QVERIFY(schreibe(datei(quelle, "unter/u.txt"), "u;u\r\n"));
    }

private slots:
    void init() {
        basis = std::make_unique<QTemporaryDir>();
        quelle = basis->filePath(QStringLiteral("Lektion"));
        ziel = basis->filePath(QStringLiteral("Stick"));
        QVERIFY(QDir().mkpath(quelle));
        QVERIFY(QDir().mkpath(ziel));
        m = TFakeMeldungen();
    }
    void cleanup() {
        if (!m.leer())
            qWarning("box left: %s", qPrintable(m.offen().value(0).text));
        QVERIFY(m.leer());
    }

    void musterUndMeldung() {
        QCOMPARE(TDatensicherung::quellMuster(QStringLiteral("/home/a/Lektion")),
                 QStringLiteral("/home/a/Lektion/*.*"));
        QCOMPARE(TDatensicherung::quellMuster(QStringLiteral("C:\\Lektion\\"), QLatin1Char('\\')),
                 QStringLiteral("C:\\Lektion\\*.*"));
        // The line breaks are LF CR, in that order, and a blank stands before the first one.
        QCOMPARE(TDatensicherung::erfolgsMeldung(QStringLiteral("/l/*.*"), QStringLiteral("/m/")),
                 QStringLiteral("Die Lektionen wurden\n\rvon /l/*.* \n\rnach /m/ gesichert."));
    }

    void kopiertNurDieEigenenDateien() {
        quelleFuellen();
        const QDateTime alt = QDateTime::currentDateTime().addDays(-30);
        {
            QFile f(datei(quelle, "a.txt"));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(alt, QFileDevice::FileModificationTime));
        }
        TFortschritt f;
        QCOMPARE(sichern(&f), TDatensicherung::Ergebnis::Gesichert);
        QCOMPARE(inhalt(ziel),
                 (QStringList{QStringLiteral(".versteckt"), QStringLiteral("a.txt"),
                              QStringLiteral("b\u00e4r.txt"), QStringLiteral("ohnepunkt")}));
        for (const char* name : {"a.txt", "b\xc3\xa4r.txt", "ohnepunkt", ".versteckt"})
            QCOMPARE(leseDatei(datei(ziel, name)), leseDatei(datei(quelle, name)));
        QCOMPARE(QFileInfo(datei(ziel, "a.txt")).lastModified().toSecsSinceEpoch(),
                 alt.toSecsSinceEpoch());
        QCOMPARE(f.dateien, 4);
        QCOMPARE(f.gesamt, qint64(10 + 6 + 5 + 5));
        QCOMPARE(f.letzteFertig, 4);
        QCOMPARE(f.letzteBytes, f.gesamt);
        QCOMPARE(f.beendet, 1);
    }

    void ersetzenNurNachFrage() {
        for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt"}) {
            QVERIFY(schreibe(datei(quelle, name), QByteArray("neu ") + name));
            QVERIFY(schreibe(datei(ziel, name), QByteArray("alt ") + name));
        }
        // Nein keeps the old copy, Ja replaces one, Alle replaces the rest without asking.
        antworte({1, 0, 2});
        QCOMPARE(sichern(), TDatensicherung::Ergebnis::Gesichert);
        const auto frage = m.nimm();
        QCOMPARE(frage.art, QStringLiteral("Auswahl"));
        QCOMPARE(frage.titel, QStringLiteral("Bestätigung"));
        QCOMPARE(frage.text, QStringLiteral("Die Datei %1 ist am Ziel bereits vorhanden.\r\nSoll "
                                            "sie ersetzt werden?")
                                 .arg(datei(ziel, "1.txt")));
        QCOMPARE(frage.knoepfe, kKnoepfe);
        QCOMPARE(m.nimm().text.contains(QStringLiteral("2.txt")), true);
        QCOMPARE(m.nimm().text.contains(QStringLiteral("3.txt")), true);
        QCOMPARE(leseDatei(datei(ziel, "1.txt")), QByteArray("alt 1.txt"));
        QCOMPARE(leseDatei(datei(ziel, "2.txt")), QByteArray("neu 2.txt"));
        QCOMPARE(leseDatei(datei(ziel, "3.txt")), QByteArray("neu 3.txt"));
        QCOMPARE(leseDatei(datei(ziel, "4.txt")), QByteArray("neu 4.txt"));

        // Abbrechen (also Escape) stops the whole run, and the rest is not touched.
        QVERIFY(schreibe(datei(ziel, "1.txt"), "alt"));
        QVERIFY(schreibe(datei(quelle, "5.txt"), "neu"));
        antworte({3});
        QCOMPARE(sichern(), TDatensicherung::Ergebnis::Abgebrochen);
        QVERIFY(m.nimm().text.contains(QStringLiteral("1.txt")));
        QCOMPARE(leseDatei(datei(ziel, "1.txt")), QByteArray("alt"));
        QVERIFY(!QFileInfo::exists(datei(ziel, "5.txt")));
        QCOMPARE(inhalt(ziel).size(), 4);
    }

    void abbrechenHinterlaesstNichtsHalbes() {
        QVERIFY(schreibe(datei(quelle, "a.txt"), "a"));
        QVERIFY(schreibe(datei(quelle, "b.txt"), "b"));
        // Cancelled between files: the first one is there, the second never started.
        TFortschritt f;
        f.abbrechen = [](int fertig, qint64) { return fertig == 1; };
        QCOMPARE(sichern(&f), TDatensicherung::Ergebnis::Abgebrochen);
        QCOMPARE(inhalt(ziel), QStringList{QStringLiteral("a.txt")});
        QCOMPARE(f.beendet, 1);

        // Cancelled inside a large file: the old copy stays whole, no temporary is left.
        const QByteArray gross(3 * 1024 * 1024, 'g');
        QVERIFY(schreibe(datei(quelle, "c.txt"), gross));
        QVERIFY(schreibe(datei(ziel, "c.txt"), "alte Sicherung"));
        TFortschritt g;
        g.abbrechen = [](int fertig, qint64 bytes) { return fertig == 2 && bytes > 2; };
        antworte({2});
        QCOMPARE(sichern(&g), TDatensicherung::Ergebnis::Abgebrochen);
        m.nimm();
        QCOMPARE(leseDatei(datei(ziel, "c.txt")), QByteArray("alte Sicherung"));
        QCOMPARE(inhalt(ziel), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt"),
                                            QStringLiteral("c.txt")}));
    }

    void fehlerNennenDieDateiUndHalten() {
        // The target is gone (a medium taken out before the start).
        QVERIFY(schreibe(datei(quelle, "a.txt"), "a"));
        QCOMPARE(TDatensicherung(m, 1).sichern(quelle, datei(ziel, "fehlt/"), nullptr),
                 TDatensicherung::Ergebnis::Fehler);
        auto box = m.nimm();
        QCOMPARE(box.art, QStringLiteral("Fehler"));
        QCOMPARE(box.text, QStringLiteral("Das Ziel %1 ist nicht erreichbar.\r\nBitte prüfe, ob "
                                          "der Datenträger eingelegt ist.")
                               .arg(datei(ziel, "fehlt/")));
        // Its mount point stayed behind as an empty folder on the system disk.
        QCOMPARE(TDatensicherung(m, 0).sichern(quelle, ziel, nullptr, true),
                 TDatensicherung::Ergebnis::Fehler);
        QVERIFY(m.nimm().text.contains(QStringLiteral("nicht erreichbar")));
        QVERIFY(inhalt(ziel).isEmpty());

        // The lesson directory itself as target would copy every file onto itself.
        QCOMPARE(TDatensicherung(m, 0).sichern(quelle, quelle + QStringLiteral("/./"), nullptr),
                 TDatensicherung::Ergebnis::Fehler);
        QVERIFY(m.nimm().text.startsWith(QStringLiteral("Das Ziel ")));
        QCOMPARE(leseDatei(datei(quelle, "a.txt")), QByteArray("a"));

        // A folder of the same name on the target.
        QVERIFY(schreibe(datei(quelle, "b.txt"), "b"));
        QVERIFY(schreibe(datei(quelle, "c.txt"), "c"));
        QVERIFY(QDir(ziel).mkdir(QStringLiteral("b.txt")));
        QCOMPARE(sichern(), TDatensicherung::Ergebnis::Fehler);
        box = m.nimm();
        QCOMPARE(box.text,
                 QStringLiteral("Datei %1 kann nicht erstellt werden").arg(datei(ziel, "b.txt")));
        QVERIFY(!QFileInfo::exists(datei(ziel, "c.txt")));

        // A lesson that vanishes after the listing stops the run with its name.
        QVERIFY(QDir(datei(ziel, "b.txt")).removeRecursively());
        QVERIFY(QFile::remove(datei(ziel, "a.txt")));
        TFortschritt f;
        f.beimBeginn = [this] { QFile::remove(datei(quelle, "b.txt")); };
        QCOMPARE(sichern(&f), TDatensicherung::Ergebnis::Fehler);
        QCOMPARE(m.nimm().text,
                 QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(datei(quelle, "b.txt")));
        QCOMPARE(inhalt(ziel), QStringList{QStringLiteral("a.txt")});
        QCOMPARE(f.beendet, 1);
    }

    void langerPfad() {
        // Far beyond the 250 characters a fixed field of the copy would hold.
        QString lang = quelle;
        while (lang.size() < 400)
            lang += QStringLiteral("/Lektionen des Schuljahres 2026");
        QVERIFY(QDir().mkpath(lang));
        QVERIFY(schreibe(lang + QStringLiteral("/tief.txt"), "t;t\r\n"));
        QVERIFY(TDatensicherung::quellMuster(lang + QLatin1Char('/')).size() > 250);
        QCOMPARE(TDatensicherung(m, 0).sichern(lang + QLatin1Char('/'), ziel, nullptr),
                 TDatensicherung::Ergebnis::Gesichert);
        QCOMPARE(leseDatei(datei(ziel, "tief.txt")), QByteArray("t;t\r\n"));
    }

    void volleDiskette() {
        if (geteuid() != 0)
            QSKIP("Only root can mount the small file system this test needs; run it as root "
                  "to check a full medium.");
        const TEinhaengung tmpfs(ziel, {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                        QStringLiteral("-o"), QStringLiteral("size=64k"),
                                        QStringLiteral("tmpfs")});
        if (!tmpfs.ok())
            QSKIP("mounting a tmpfs failed (no mount rights in this container?)");
        QVERIFY(schreibe(datei(ziel, "b.txt"), "die alte Sicherung"));
        QVERIFY(schreibe(datei(quelle, "a.txt"), "a;a\r\n"));
        QVERIFY(schreibe(datei(quelle, "b.txt"), QByteArray(200 * 1024, 'b')));
        QVERIFY(schreibe(datei(quelle, "c.txt"), "c;c\r\n"));
        antworte({0});
        QCOMPARE(TDatensicherung(m, 0).sichern(quelle, ziel, nullptr, true),
                 TDatensicherung::Ergebnis::Fehler);
        m.nimm();
        QCOMPARE(m.nimm().text, QStringLiteral("Datei %1 kann nicht erstellt werden\r\nEventuell "
                                               "ist der Datenträger voll, schreibgeschützt oder "
                                               "nicht mehr verbunden.")
                                    .arg(datei(ziel, "b.txt")));
        QCOMPARE(leseDatei(datei(ziel, "b.txt")), QByteArray("die alte Sicherung"));
        QCOMPARE(leseDatei(datei(ziel, "a.txt")), QByteArray("a;a\r\n"));
        QCOMPARE(inhalt(ziel), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    }

    void wechselmedien() {
        using E = TWechselmedien::TEinhaengung;
        const QList<TSicherungsZiel> ziele = TWechselmedien::auswaehlen({
            E{QStringLiteral("/"), QStringLiteral("root")},
            E{QStringLiteral("/run/media/bob/KARTE"), QStringLiteral("KARTE")},
            E{QStringLiteral("/media/anna/1234-ABCD"), QStringLiteral("/media/anna/1234-ABCD")},
            E{QStringLiteral("/media"), QStringLiteral("media")},
            E{QStringLiteral("/mnt/usb"), QStringLiteral("usb")},
            E{QStringLiteral("/media/anna/CD"), QStringLiteral("CD"), true, true},
            E{QStringLiteral("/media/anna/LEER"), QStringLiteral("LEER"), false},
            E{QStringLiteral("/media/anna/STICK/"), QStringLiteral("Schul Stick")},
            E{QStringLiteral("/media/anna/STICK"), QStringLiteral("Schul Stick")},
        });
        QCOMPARE(ziele.size(), 3);
        QCOMPARE(ziele.at(0).beschriftung(), QStringLiteral("1234-ABCD (/media/anna/1234-ABCD/)"));
        QCOMPARE(ziele.at(1).beschriftung(), QStringLiteral("Schul Stick (/media/anna/STICK/)"));
        QCOMPARE(ziele.at(2).pfad, QStringLiteral("/run/media/bob/KARTE/"));
        QVERIFY(ziele.at(2).einhaengepunkt);
    }
};

QTEST_GUILESS_MAIN(tst_TDatensicherung)
#include "tst_TDatensicherung.moc"
