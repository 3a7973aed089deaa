#include "shell/TSchriftText.h"

#include <QtTest>

using TAbstand = TSchriftDaten::TAbstand;

Q_DECLARE_METATYPE(TSchriftDaten)

// Found by QCOMPARE, so a failing comparison shows the whole font.
char* toString(const TSchriftDaten& s) {
    const char* abstand = s.Abstand == TAbstand::Fest       ? "fest"
                          : s.Abstand == TAbstand::Variabel ? "variabel"
                                                            : "standard";
    return qstrdup(QStringLiteral("{\"%1\", 0x%2, %3, %4, F%5 K%6 U%7 D%8}")
                       .arg(s.Name)
                       .arg(s.Farbe, 8, 16, QLatin1Char('0'))
                       .arg(s.Groesse)
                       .arg(QLatin1String(abstand))
                       .arg(s.Fett)
                       .arg(s.Kursiv)
                       .arg(s.Unterstrichen)
                       .arg(s.Durchgestrichen)
                       .toUtf8()
                       .constData());
}

namespace {

struct TStile {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
};

TSchriftDaten schrift(const QString& name, quint32 farbe, int groesse,
                      TAbstand abstand = TAbstand::Standard, TStile stile = {}) {
    TSchriftDaten s;
    s.Name = name;
    s.Farbe = farbe;
    s.Groesse = groesse;
    s.Abstand = abstand;
    s.Fett = stile.fett;
    s.Kursiv = stile.kursiv;
    s.Unterstrichen = stile.unterstrichen;
    s.Durchgestrichen = stile.durchgestrichen;
    return s;
}

// Differs from a fresh font in every property, so any leak from it or into it shows.
TSchriftDaten vorgabe() {
    return schrift(
        QStringLiteral("Times New Roman"), 0x00008000, 9, TAbstand::Fest,
        {.fett = false, .kursiv = true, .unterstrichen = false, .durchgestrichen = true});
}

const TStile kFett{.fett = true};

} // namespace

class tst_TSchriftText : public QObject {
    Q_OBJECT

private slots:
    void laden_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TSchriftDaten>("erwartet");

        const auto arial = [](quint32 farbe, int groesse = 12,
                              TAbstand abstand = TAbstand::Standard, TStile stile = {}) {
            return schrift(QStringLiteral("Arial"), farbe, groesse, abstand, stile);
        };
        const TSchriftDaten v = vorgabe();
        const TSchriftDaten fettRot = arial(0x000000FF, 12, TAbstand::Standard, kFett);

        // Incomplete strings keep the default, name included.
        QTest::newRow("leer") << QString() << v;
        QTest::newRow("nur Name") << "Arial" << v;
        QTest::newRow("ohne Groesse") << "Arial,clRed" << v;
        QTest::newRow("ohne Abstand") << "Arial,clRed,12" << v;
        QTest::newRow("drei Kommas") << "Arial,clBlack,12,d" << v;
        QTest::newRow("vier Kommas ohne Stil") << "Arial,clBlack,12,d," << arial(0);
        QTest::newRow("Name mit Blanks")
            << "Comic Sans MS,clNavy,14,d,bi"
            << schrift(QStringLiteral("Comic Sans MS"), 0x00800000, 14, TAbstand::Standard,
                       {.fett = true, .kursiv = true});
        QTest::newRow("Blanks am Namen bleiben")
            << "  Arial ,clBlack,12,d," << schrift(QStringLiteral("  Arial "), 0, 12);
        QTest::newRow("leerer Name") << ",clBlack,12,d," << schrift(QString(), 0, 12);

        // Colour field.
        QTest::newRow("unbekannter Farbname") << "Arial,Schwarz,12,d,b" << v;
        QTest::newRow("Hex") << "Arial,$000000FF,12,d,b" << fettRot;
        QTest::newRow("dezimal") << "Arial,255,12,d,b" << fettRot;
        QTest::newRow("Name klein") << "Arial,clred,12,d,b" << fettRot;
        QTest::newRow("Name gross") << "Arial,CLRED,12,d,b" << fettRot;
        QTest::newRow("Hex klein kurz") << "Arial,$ff,12,d,b" << fettRot;
        QTest::newRow("Hex mit fuehrenden Nullen") << "Arial,$00000000FF,12,d,b" << fettRot;
        QTest::newRow("Hex ohne Namen") << "Arial,$00E7FFFF,12,d," << arial(0x00E7FFFF);
        QTest::newRow("Hex Systemfarbe") << "Arial,$80000005,12,d," << arial(0x80000005);
        QTest::newRow("Hex hoechster Wert") << "Arial,$FFFFFFFF,12,d," << arial(0xFFFFFFFF);
        QTest::newRow("Hex zu gross") << "Arial,$100000000,12,d," << v;
        QTest::newRow("Dollar allein") << "Arial,$,12,d," << v;
        QTest::newRow("Hex falsche Ziffer") << "Arial,$0000FG,12,d," << v;
        QTest::newRow("0x zaehlt nicht") << "Arial,0xFF,12,d," << v;
        QTest::newRow("dezimal negativ") << "Arial,-2147483643,12,d," << arial(0x80000005);
        QTest::newRow("dezimal kleinster") << "Arial,-2147483648,12,d," << arial(0x80000000);
        QTest::newRow("dezimal zu klein") << "Arial,-2147483649,12,d," << v;
        QTest::newRow("dezimal zu gross") << "Arial,2147483648,12,d," << v;
        QTest::newRow("dezimal mit Plus") << "Arial,+255,12,d,b" << fettRot;
        QTest::newRow("Farbe leer") << "Arial,,12,d," << v;
        QTest::newRow("Blank vor Farbname") << "Arial, clRed,12,d," << v;
        QTest::newRow("Blank nach Zahl") << "Arial,255 ,12,d," << v;
        QTest::newRow("clNone") << "Arial,clnone,12,d," << arial(0x1FFFFFFF);

        // Size field.
        QTest::newRow("Groesse leer") << "Arial,clRed,,d," << v;
        QTest::newRow("Groesse Text") << "Arial,clRed,zwoelf,d," << v;
        QTest::newRow("Groesse Bruch") << "Arial,clRed,12.5,d," << v;
        QTest::newRow("Groesse hex") << "Arial,clRed,$0C,d," << v;
        QTest::newRow("Groesse mit Blank") << "Arial,clRed, 12,d," << v;
        QTest::newRow("Groesse fremde Ziffern") << "Arial,clRed,\u0661\u0662,d," << v;
        QTest::newRow("Groesse zu gross") << "Arial,clRed,2147483648,d," << v;
        QTest::newRow("Groesse null") << "Arial,clRed,0,d," << arial(0x000000FF, 0);
        QTest::newRow("Groesse negativ") << "Arial,clRed,-16,d," << arial(0x000000FF, -16);
        QTest::newRow("Groesse fuehrende Null") << "Arial,clRed,012,d," << arial(0x000000FF, 12);

        // Pitch: anything but the three lower-case letters gives the fresh font's pitch, not the
        // default font's.
        QTest::newRow("variabel") << "Arial,clRed,12,v,"
                                  << arial(0x000000FF, 12, TAbstand::Variabel);
        QTest::newRow("fest") << "Arial,clRed,12,f," << arial(0x000000FF, 12, TAbstand::Fest);
        QTest::newRow("Abstand unbekannt")
            << "Arial,clred,12,x,ub"
            << arial(0x000000FF, 12, TAbstand::Standard, {.fett = true, .unterstrichen = true});
        QTest::newRow("Abstand gross") << "Arial,clRed,12,F," << arial(0x000000FF);
        QTest::newRow("Abstand leer") << "Arial,clRed,12,," << arial(0x000000FF);
        QTest::newRow("Abstand zwei Buchstaben") << "Arial,clRed,12,fv," << arial(0x000000FF);
        QTest::newRow("Abstand mit Blank") << "Arial,clRed,12, f," << arial(0x000000FF);

        // Styles: any order, unknown characters and further fields skipped.
        const TStile alle{true, true, true, true};
        QTest::newRow("alle Stile")
            << "Arial,clRed,12,d,bius" << arial(0x000000FF, 12, TAbstand::Standard, alle);
        QTest::newRow("Stile verdreht")
            << "Arial,clRed,12,d,subi" << arial(0x000000FF, 12, TAbstand::Standard, alle);
        QTest::newRow("Stil doppelt") << "Arial,clRed,12,d,bb" << fettRot;
        QTest::newRow("nur durchgestrichen")
            << "Arial,clRed,12,d,s"
            << arial(0x000000FF, 12, TAbstand::Standard, {.durchgestrichen = true});
        QTest::newRow("Stile gross") << "Arial,clRed,12,d,BIUS" << arial(0x000000FF);
        QTest::newRow("Stile mit Blanks") << "Arial,clRed,12,d, b x " << fettRot;
        QTest::newRow("weitere Felder") << "Arial,clRed,12,d,,b,extra" << fettRot;
        QTest::newRow("Stil nach Feldgrenze")
            << "Arial,clRed,12,d," + QString(254, u'x') + u'b' << arial(0x000000FF);
        QTest::newRow("Stil vor Feldgrenze")
            << "Arial,clRed,12,d," + QString(253, u'x') + u'b' << fettRot;

        QTest::newRow("langer Name gekuerzt")
            << QString(300, u'N') + ",clRed,12,d," << schrift(QString(254, u'N'), 0x000000FF, 12);
    }
    void laden() {
        QFETCH(QString, text);
        QFETCH(TSchriftDaten, erwartet);
        QCOMPARE(TSchriftText::SchriftLaden(text, vorgabe()), erwartet);
    }

    void speichern_data() {
        QTest::addColumn<TSchriftDaten>("schrift");
        QTest::addColumn<QString>("text");
        QTest::newRow("schlicht") << schrift(QStringLiteral("Arial"), 0, 12)
                                  << "Arial,clBlack,12,d,";
        QTest::newRow("fett kursiv") << schrift(QStringLiteral("Comic Sans MS"), 0x00800000, 14,
                                                TAbstand::Standard, {.fett = true, .kursiv = true})
                                     << "Comic Sans MS,clNavy,14,d,bi";
        QTest::newRow("Stilreihenfolge") << schrift(QStringLiteral("Arial"), 0xFF, 12,
                                                    TAbstand::Standard, {true, true, true, true})
                                         << "Arial,clRed,12,d,bius";
        QTest::newRow("unterstrichen durchgestrichen")
            << schrift(QStringLiteral("Arial"), 0xFF, 12, TAbstand::Standard,
                       {.unterstrichen = true, .durchgestrichen = true})
            << "Arial,clRed,12,d,us";
        QTest::newRow("variabel") << schrift(QStringLiteral("Arial"), 0, 8, TAbstand::Variabel)
                                  << "Arial,clBlack,8,v,";
        QTest::newRow("fest") << schrift(QStringLiteral("Courier New"), 0, 10, TAbstand::Fest)
                              << "Courier New,clBlack,10,f,";
        QTest::newRow("Farbe ohne Namen")
            << schrift(QStringLiteral("Arial"), 0x00E7FFFF, 12) << "Arial,$00E7FFFF,12,d,";
        QTest::newRow("kleine Farbe ohne Namen")
            << schrift(QStringLiteral("Arial"), 0x00000001, 12) << "Arial,$00000001,12,d,";
        QTest::newRow("Systemfarbe ohne Namen")
            << schrift(QStringLiteral("Arial"), 0x80000019, 12) << "Arial,$80000019,12,d,";
        QTest::newRow("hohes Byte")
            << schrift(QStringLiteral("Arial"), 0xFF00ABCD, 12) << "Arial,$FF00ABCD,12,d,";
        QTest::newRow("negative Groesse")
            << schrift(QStringLiteral("Arial"), 0, -16) << "Arial,clBlack,-16,d,";
        QTest::newRow("leerer Name") << schrift(QString(), 0, 12) << ",clBlack,12,d,";
        QTest::newRow("langer Name gekuerzt")
            << schrift(QString(300, u'N'), 0, 12) << QString(254, u'N') + ",clBlack,12,d,";
    }
    void speichern() {
        QFETCH(TSchriftDaten, schrift);
        QFETCH(QString, text);
        QCOMPARE(TSchriftText::SchriftSpeichern(schrift), text);
    }

    // Text read and written again comes back in the one form the writer produces.
    void textRundgang_data() {
        QTest::addColumn<QString>("gelesen");
        QTest::addColumn<QString>("geschrieben");
        const QStringList gleich = {"Arial,clBlack,12,d,",    "Comic Sans MS,clNavy,14,d,bi",
                                    "Arial,clRed,12,d,bius",  "Courier New,clWindowText,10,f,s",
                                    "Arial,$00E7FFFF,12,v,u", "Arial,clNone,12,d,",
                                    "Arial,$80000019,-11,d,i"};
        for (const QString& text : gleich)
            QTest::newRow(qPrintable(text)) << text << text;
        QTest::newRow("klein geschriebene Farbe") << "Arial,clred,12,x,ub"
                                                  << "Arial,clRed,12,d,bu";
        QTest::newRow("Hex mit Namen") << "Arial,$000000ff,12,d,b"
                                       << "Arial,clRed,12,d,b";
        QTest::newRow("dezimal") << "Arial,255,12,d,b"
                                 << "Arial,clRed,12,d,b";
        QTest::newRow("Hex kurz") << "Arial,$e7ffff,12,d,"
                                  << "Arial,$00E7FFFF,12,d,";
        QTest::newRow("dezimale Systemfarbe") << "Arial,-2147483633,9,d,"
                                              << "Arial,clBtnFace,9,d,";
        QTest::newRow("Stile geordnet") << "Arial,clRed,012,d,s,u,i,b"
                                        << "Arial,clRed,12,d,bius";
    }
    void textRundgang() {
        QFETCH(QString, gelesen);
        QFETCH(QString, geschrieben);
        const TSchriftDaten schrift = TSchriftText::SchriftLaden(gelesen, vorgabe());
        QVERIFY(schrift != vorgabe());
        QCOMPARE(TSchriftText::SchriftSpeichern(schrift), geschrieben);
    }

    void schriftRundgang_data() {
        QTest::addColumn<TSchriftDaten>("schrift");
        QTest::newRow("Vorgabe") << TSchriftDaten{};
        QTest::newRow("alles gesetzt") << schrift(QStringLiteral("Lucida Sans Unicode"), 0x00123456,
                                                  72, TAbstand::Variabel, {true, true, true, true});
        QTest::newRow("Umlaute und Zeichen")
            << schrift(QStringLiteral("Grüße; \"x\" = $1"), 0x8000000F, 1, TAbstand::Fest, kFett);
        QTest::newRow("nur Blanks") << schrift(QStringLiteral("   "), 0xFFFFFFFF, 0);
    }
    void schriftRundgang() {
        QFETCH(TSchriftDaten, schrift);
        const QString text = TSchriftText::SchriftSpeichern(schrift);
        QCOMPARE(TSchriftText::SchriftLaden(text, vorgabe()), schrift);
    }

    // A comma of the name is doubled on writing, so the name reads back whole.
    void kommaImNamen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("eins") << "Noto Sans, Bold"
                              << "Noto Sans,, Bold,clBlack,12,d,";
        QTest::newRow("am Anfang") << ",A"
                                   << ",,A,clBlack,12,d,";
        QTest::newRow("am Ende") << "A,"
                                 << "A,,,clBlack,12,d,";
        QTest::newRow("zwei hintereinander") << "A,,B"
                                             << "A,,,,B,clBlack,12,d,";
        QTest::newRow("wie Felder") << "X,clRed,12,d,b"
                                    << "X,,clRed,,12,,d,,b,clBlack,12,d,";
    }
    void kommaImNamen() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const TSchriftDaten mitKomma = schrift(name, 0, 12);
        QCOMPARE(TSchriftText::SchriftSpeichern(mitKomma), text);
        QCOMPARE(TSchriftText::SchriftLaden(text, vorgabe()), mitKomma);
    }

    // Earlier versions wrote such a name as it is; the last four fields still find it.
    void kommaImNamenAltesFormat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TSchriftDaten>("erwartet");
        const TSchriftDaten v = vorgabe();
        QTest::newRow("ein Komma") << "Noto Sans, Bold,clNavy,14,d,bi"
                                   << schrift(QStringLiteral("Noto Sans, Bold"), 0x00800000, 14,
                                              TAbstand::Standard, {.fett = true, .kursiv = true});
        QTest::newRow("zwei Kommas")
            << "A,B,C,$00E7FFFF,9,f,"
            << schrift(QStringLiteral("A,B,C"), 0x00E7FFFF, 9, TAbstand::Fest);
        QTest::newRow("falsche Farbe") << "A,B,Schwarz,12,d," << v;
        QTest::newRow("falsche Groesse") << "A,B,clRed,zwoelf,d," << v;
        QTest::newRow("zu wenig Felder") << "A,B,clRed,12" << v;
        // What the reader took before is read as before.
        QTest::newRow("Stilfelder mit Komma")
            << "Arial,clRed,12,d,,b,extra"
            << schrift(QStringLiteral("Arial"), 0xFF, 12, TAbstand::Standard, kFett);
    }
    void kommaImNamenAltesFormat() {
        QFETCH(QString, text);
        QFETCH(TSchriftDaten, erwartet);
        QCOMPARE(TSchriftText::SchriftLaden(text, vorgabe()), erwartet);
    }

    void farbnamen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("wert");
        const std::pair<const char*, quint32> feste[] = {
            {"clBlack", 0x00000000}, {"clMaroon", 0x00000080},  {"clGreen", 0x00008000},
            {"clOlive", 0x00008080}, {"clNavy", 0x00800000},    {"clPurple", 0x00800080},
            {"clTeal", 0x00808000},  {"clGray", 0x00808080},    {"clSilver", 0x00C0C0C0},
            {"clRed", 0x000000FF},   {"clLime", 0x0000FF00},    {"clYellow", 0x0000FFFF},
            {"clBlue", 0x00FF0000},  {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},
            {"clWhite", 0x00FFFFFF}, {"clNone", 0x1FFFFFFF}};
        for (const auto& [name, wert] : feste)
            QTest::newRow(name) << QString::fromLatin1(name) << wert;
        const char* system[] = {
            "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
            "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
            "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
            "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
            "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
            "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
            "clInfoBk"};
        quint32 wert = 0x80000000;
        for (const char* name : system)
            QTest::newRow(name) << QString::fromLatin1(name) << wert++;
        QCOMPARE(wert, quint32(0x80000019));
    }
    void farbnamen() {
        QFETCH(QString, name);
        QFETCH(quint32, wert);
        QCOMPARE(TSchriftText::farbeAusName(name), std::optional<quint32>(wert));
        QCOMPARE(TSchriftText::farbeAusName(name.toUpper()), std::optional<quint32>(wert));
        QCOMPARE(TSchriftText::farbeAusName(name.toLower()), std::optional<quint32>(wert));
        QCOMPARE(TSchriftText::farbName(wert), name);

        const QString gelesen = "Arial," + name.toLower() + ",12,d,";
        const TSchriftDaten schrift = TSchriftText::SchriftLaden(gelesen, vorgabe());
        QCOMPARE(schrift.Farbe, wert);
        QCOMPARE(TSchriftText::SchriftSpeichern(schrift), "Arial," + name + ",12,d,");
        const QString hex = QStringLiteral("$%1").arg(wert, 8, 16, QLatin1Char('0'));
        QCOMPARE(TSchriftText::SchriftLaden("Arial," + hex + ",12,d,", vorgabe()).Farbe, wert);
    }

    void ohneNamen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("wert");
        QTest::newRow("neben Schwarz") << "clBlck" << quint32(0x00000001);
        QTest::newRow("nach den Systemfarben") << "clSystem25" << quint32(0x80000019);
        QTest::newRow("neben clNone") << "none" << quint32(0x1FFFFFFE);
        QTest::newRow("Systembit allein") << "cl" << quint32(0x00000080 | 0x80000000);
        QTest::newRow("leer") << "" << quint32(0xFFFFFFFF);
    }
    void ohneNamen() {
        QFETCH(QString, name);
        QFETCH(quint32, wert);
        QCOMPARE(TSchriftText::farbName(wert), QString());
        QCOMPARE(TSchriftText::farbeAusName(name), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(tst_TSchriftText)
#include "tst_TSchriftText.moc"
