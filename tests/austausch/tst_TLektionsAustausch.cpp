#include "austausch/TCsvTabelle.h"
#include "austausch/TKvtmlDokument.h"
#include "austausch/TLektionsAustausch.h"
#include "austausch/TTextDekodierung.h"
#include "lessons/TAnsiCodec.h"

#include <QtTest>

namespace {
// Lines that probe every way a lesson line can be built, and all 255 characters of the code
// page (NUL ends a file's text and never stands in a line).
QStringList probeZeilen() {
    QStringList z = {"Haus;house",
                     "  Haus  ;  house  ",
                     "a;b;c",
                     "Haus",
                     "",
                     ";",
                     ";Haus",
                     "Haus;",
                     "\tTab;x",
                     "\"zitiert\";\"\"",
                     "Komma, hier;x,y",
                     "<tag>&amp;;]]>",
                     "Ümläut ß €;Œ ž"};
    QByteArray alle;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            alle.append(char(b));
    z << TAnsiCodec::dekodieren(alle)
      << TAnsiCodec::dekodieren(alle.mid(100)) + ";" + TAnsiCodec::dekodieren(alle.left(100));
    return z;
}

QStringList csvZurueck(const QByteArray& csv) {
    const QString text = TTextDekodierung::dekodieren(csv);
    const TCsvTabelle t = TCsvTabelle::lesen(text, TCsvTabelle::trennerErkennen(text));
    const bool kopf = TCsvTabelle::kopfzeileErkannt(t.zeilen.value(0));
    return TLektionsAustausch::zeilen(
        TLektionsAustausch::ausCsv(t, TCsvTabelle::aufgabenSpalte(t.zeilen.value(0)),
                                   TCsvTabelle::antwortSpalte(t.zeilen.value(0)), kopf),
        false);
}
} // namespace

class tst_TLektionsAustausch : public QObject {
    Q_OBJECT
private slots:
    void rundreisen() {
        const QStringList z = probeZeilen();
        QCOMPARE(csvZurueck(TLektionsAustausch::nachCsv(z)), z);
        const TKvtmlDokument d = TKvtmlDokument::lesen(TLektionsAustausch::nachKvtml(z, "Titel €"));
        QVERIFY2(d.fehler.isEmpty(), qPrintable(d.fehler));
        QCOMPARE(d.titel, QStringLiteral("Titel €"));
        QCOMPARE(TLektionsAustausch::zeilen(TLektionsAustausch::ausKvtml(d, 0, 1), false), z);
        QVERIFY(TLektionsAustausch::nachCsv({}).startsWith("Aufgabe,Antwort\r\n"));
    }

    // A file written by another program: entries in the order of the file, not by id; the
    // chosen pair decides question and answer; a missing translation leaves that part empty.
    void fremdesKvtml() {
        QFile datei(QStringLiteral(DRILLA_TESTDATEN "/tiere.kvtml"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray xml = datei.readAll();
        const TKvtmlDokument d = TKvtmlDokument::lesen(xml);
        QVERIFY(d.fehler.isEmpty());
        QCOMPARE(d.sprachen.size(), 3);
        QCOMPARE(d.sprachen.at(2).name, QStringLiteral("Français"));
        QCOMPARE(TLektionsAustausch::zeilen(TLektionsAustausch::ausKvtml(d, 0, 1), false),
                 QStringList({"Hund;dog", "Katze;cat", "Maus;"}));
        QCOMPARE(TLektionsAustausch::zeilen(TLektionsAustausch::ausKvtml(d, 1, 2), false),
                 QStringList({"chien;Hund", "Katze", "Maus"}));
    }

    void kaputtesKvtml() {
        for (const QByteArray& x :
             {QByteArray("<kvtml><entries><entry><translation id=\"0\">"),
              QByteArray("<html><body/></html>"), QByteArray(""), QByteArray("\xff\xfe<\0k\0", 6),
              QByteArray("<kvtml><entries></entry></kvtml>")}) {
            const TKvtmlDokument d = TKvtmlDokument::lesen(x);
            QVERIFY(!d.fehler.isEmpty());
            QVERIFY(d.eintraege.isEmpty());
        }
        // Entity bombs stop at the reader's limit instead of filling the memory.
        QByteArray bombe = "<?xml version=\"1.0\"?><!DOCTYPE k [<!ENTITY a \"aaaaaaaaaa\">";
        for (int i = 1; i < 10; ++i)
            bombe += QByteArray("<!ENTITY a") + QByteArray::number(i) + " \"" + QByteArray("&a") +
                     (i > 1 ? QByteArray::number(i - 1) : "") + ";" + QByteArray("&a") +
                     (i > 1 ? QByteArray::number(i - 1) : "") + ";" + QByteArray("&a") +
                     (i > 1 ? QByteArray::number(i - 1) : "") + ";\">";
        bombe += "]><kvtml><entries><entry><translation id=\"0\"><text>&a9;</text>"
                 "</translation></entry></entries></kvtml>";
        const TKvtmlDokument b = TKvtmlDokument::lesen(bombe);
        QVERIFY(!b.fehler.isEmpty() || b.eintraege.value(0).value(0).size() < 10000000);
    }

    void csvNachRfc4180() {
        const TCsvTabelle t = TCsvTabelle::lesen(
            "Frage;Antwort\r\n\"a;b\";\"zwei\r\nZeilen\"\n\"x\"\"y\";z\rnur\n\n", ';');
        QCOMPARE(t.zeilen.size(), 4);
        QCOMPARE(t.zeilen.at(1), QStringList({"a;b", "zwei\r\nZeilen"}));
        QCOMPARE(t.zeilen.at(2), QStringList({"x\"y", "z"}));
        QCOMPARE(t.zeilen.at(3), QStringList({"nur"}));
        QCOMPARE(t.ungleicheZeilen, 1);
        QCOMPARE(t.offeneAnfuehrung, -1);
        QVERIFY(TCsvTabelle::kopfzeileErkannt(t.zeilen.first()));
        QCOMPARE(TCsvTabelle::aufgabenSpalte(t.zeilen.first()), 0);
        QCOMPARE(TCsvTabelle::antwortSpalte(t.zeilen.first()), 1);
        QVERIFY(!TCsvTabelle::kopfzeileErkannt({"Haus", "house"}));
        // The ragged row has no answer; the line break is joined and reported.
        const auto e = TLektionsAustausch::ausCsv(t, 0, 1, true);
        QCOMPARE(TLektionsAustausch::zeilen(e, false),
                 QStringList({"zwei Zeilen;a;b", "z;x\"y", "nur"}));
        const TImportBefund b = TLektionsAustausch::pruefen(e);
        QCOMPARE(b.umbrueche, QList<qsizetype>({0}));
        QCOMPARE(TCsvTabelle::trennerErkennen("a\tb;c"), QChar('\t'));
        QCOMPARE(TCsvTabelle::trennerErkennen("a;b;c,d"), QChar(';'));
        QCOMPARE(TCsvTabelle::trennerErkennen("a,b"), QChar(','));
    }

    void csvUnausgeglichen() {
        const TCsvTabelle t = TCsvTabelle::lesen("a,b\n\"offen,c\nd,e\n", ',');
        QCOMPARE(t.offeneAnfuehrung, 1);
        QCOMPARE(t.zeilen.size(), 2);
        QCOMPARE(t.zeilen.at(1), QStringList({"offen,c\nd,e\n"}));
        // Text after a closing quote and a quote inside a field are kept.
        QCOMPARE(TCsvTabelle::lesen("\"a\"b,c\"d\n", ',').zeilen.first(),
                 QStringList({"ab", "c\"d"}));
        QVERIFY(TCsvTabelle::lesen("", ',').zeilen.isEmpty());
    }

    // Entries the code page cannot store are found and either replaced or left out; a ";" in
    // an answer is reported.
    void windows1252Pruefung() {
        const QList<TImportEintrag> e = {
            {"Haus", "house", true}, {"Stadt", "город", true}, {"a", "x;y", true}};
        const TImportBefund b = TLektionsAustausch::pruefen(e);
        QCOMPARE(b.nichtDarstellbar, QList<qsizetype>({1}));
        QCOMPARE(b.semikolon, QList<qsizetype>({2}));
        QCOMPARE(TLektionsAustausch::zeilen(e, false),
                 QStringList({"house;Haus", "?????;Stadt", "x;y;a"}));
        QCOMPARE(TLektionsAustausch::zeilen(e, true), QStringList({"house;Haus", "x;y;a"}));
    }

    void kodierungen() {
        const QString text = QStringLiteral("Äpfel;€ 😀");
        TKodierung k;
        QCOMPARE(TTextDekodierung::dekodieren("\xEF\xBB\xBF" + text.toUtf8(), &k), text);
        QCOMPARE(k, TKodierung::Utf8);
        QCOMPARE(TTextDekodierung::dekodieren(text.toUtf8(), &k), text);
        QCOMPARE(k, TKodierung::Utf8);
        QByteArray le("\xFF\xFE"), be("\xFE\xFF"), ohne;
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QCOMPARE(TTextDekodierung::dekodieren(le, &k), text);
        QCOMPARE(k, TKodierung::Utf16LE);
        QCOMPARE(TTextDekodierung::dekodieren(be, &k), text);
        QCOMPARE(k, TKodierung::Utf16BE);
        for (QChar c : QStringLiteral("Haus;house"))
            ohne.append(char(c.unicode())).append('\0');
        QCOMPARE(TTextDekodierung::dekodieren(ohne, &k), QStringLiteral("Haus;house"));
        QCOMPARE(k, TKodierung::Utf16LE);
        QCOMPARE(TTextDekodierung::dekodieren("\xC4pfel", &k), QStringLiteral("Äpfel"));
        QCOMPARE(k, TKodierung::Windows1252);
        // A lone surrogate and an odd last byte are no crash and no half character.
        QCOMPARE(TTextDekodierung::dekodieren(QByteArray("\xFF\xFE\x00\xD8x", 5)),
                 QString(QChar::ReplacementCharacter));
    }
};

QTEST_GUILESS_MAIN(tst_TLektionsAustausch)
#include "tst_TLektionsAustausch.moc"
