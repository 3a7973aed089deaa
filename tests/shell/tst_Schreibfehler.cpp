#include "TEinhaengung.h"
#include "TTestDateien.h"
#include "lessons/TOptionen.h"
#include "lessons/TStrHolder.h"
#include "shell/TEinstellungen.h"
#include "shell/TFensterPlatzierung.h"
#include "shell/TTippsDatei.h"
#include "tiles/TTastenbelegung.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// Every kind of file the program writes, with the bytes it holds before the test.
QMap<QString, QByteArray> dateienAnlegen(const QString& ordner) {
    QMap<QString, QByteArray> dateien = {
        {QStringLiteral("drilla3.ini"), "[Setup]\r\nTon=1\r\nBenutzer=Max\r\n"},
        {QStringLiteral("tasten.txt"), "[Sonderzeichen]\r\nTaste79=\xe9\r\n"},
        {QStringLiteral("formpos.ini"), "[Form-Parameter]\r\nShowCmd=1\r\n"},
        {QStringLiteral("drilla3.tip"), "[TIPS]\r\nShowOnStartup=1\r\nNextTip=2\r\n"
                                        "[TIP TEXT]\r\nTip1=Eins\r\nTip2=Zwei\r\n"},
        {QStringLiteral("auswertung.txt"), " \r\nBenutzer         : Max\r\n"},
    };
    for (auto it = dateien.cbegin(); it != dateien.cend(); ++it) {
        QFile datei(ordner + QLatin1Char('/') + it.key());
        if (!datei.open(QIODevice::WriteOnly) || datei.write(it.value()) != it.value().size())
            return {};
    }
    return dateien;
}

// Each writer of the program against the files of `ordner`; all of them must fail and leave
// every file as it was, with no temporary file left behind.
void allesScheitertUndBleibt(const QString& ordner, const QMap<QString, QByteArray>& dateien,
                             const QStringList& weitere = {}) {
    const auto pfad = [&](const char* name) {
        return ordner + QLatin1Char('/') + QString::fromLatin1(name);
    };
    TOptionen optionen;
    optionen.Ton = false;
    QVERIFY(!TEinstellungen::speichern(pfad("drilla3.ini"), optionen, QStringLiteral("/l/a.txt"),
                                       QStringLiteral("Moritz"), {}));
    QStringList tasten(13, QStringLiteral("\u00fc"));
    QVERIFY(!TTastenbelegung::TastenSpeichern(pfad("tasten.txt"), tasten));
    TFensterPlatzierung platz;
    platz.normalRechteckSetzen({10, 10, 600, 400});
    QVERIFY(!TFensterPlatzierung::Schreiben(pfad("formpos.ini"), platz));
    TTippsDatei tipps(pfad("drilla3.tip"));
    QVERIFY(!tipps.SetzeZeigenBeimStart(false));
    bool geschrieben = true;
    QCOMPARE(tipps.NaechsterTipp(&geschrieben), QStringLiteral("Zwei"));
    QVERIFY(!geschrieben);
    QVERIFY(!TStrHolder::speichern(pfad("auswertung.txt"),
                                   {QStringLiteral(" "), QStringLiteral("Ergebnis: 0 Fehler")}));
    QVERIFY(!TStrHolder::speichern(pfad("fehler.txt"), {QStringLiteral("a;b")}));

    for (auto it = dateien.cbegin(); it != dateien.cend(); ++it)
        QCOMPARE(leseDatei(ordner + QLatin1Char('/') + it.key()), it.value());
    QStringList erwartet = dateien.keys() + weitere;
    erwartet.sort();
    QCOMPARE(
        QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
        erwartet);
}

} // namespace

class tst_Schreibfehler : public QObject {
    Q_OBJECT

    QTemporaryDir basis;

private slots:
    void initTestCase() {
        if (geteuid() != 0)
            QSKIP("Only root can mount the small file systems these tests need; run them as "
                  "root to check full and write-protected disks.");
    }

    void volleFestplatte() {
        const QString ordner = basis.filePath(QStringLiteral("voll"));
        const TEinhaengung tmpfs(ordner, {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                          QStringLiteral("-o"), QStringLiteral("size=64k"),
                                          QStringLiteral("tmpfs")});
        if (!tmpfs.ok())
            QSKIP("mounting a tmpfs failed (no mount rights in this container?)");
        const QMap<QString, QByteArray> dateien = dateienAnlegen(ordner);
        QVERIFY(!dateien.isEmpty());

        QFile fuellung(ordner + QStringLiteral("/fuellung"));
        QVERIFY(fuellung.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        int bloecke = 0;
        while (fuellung.write(block) == block.size() && ++bloecke < 1000) {
        }
        QVERIFY2(bloecke < 1000, "the file system did not fill up");
        fuellung.close();

        allesScheitertUndBleibt(ordner, dateien, {QStringLiteral("fuellung")});
    }

    void schreibgeschuetzteEinhaengung() {
        const QString quelle = basis.filePath(QStringLiteral("quelle"));
        QVERIFY(QDir().mkpath(quelle));
        const QMap<QString, QByteArray> dateien = dateienAnlegen(quelle);
        QVERIFY(!dateien.isEmpty());
        const QString ordner = basis.filePath(QStringLiteral("nurlesen"));
        const TEinhaengung bind(
            ordner, {QStringLiteral("--bind"), QStringLiteral("-o"), QStringLiteral("ro"), quelle});
        if (!bind.ok())
            QSKIP("a read-only bind mount failed (no mount rights in this container?)");
        QFile probe(ordner + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("the bind mount did not become read-only on this system");

        allesScheitertUndBleibt(ordner, dateien);
    }
};

QTEST_GUILESS_MAIN(tst_Schreibfehler)
#include "tst_Schreibfehler.moc"
