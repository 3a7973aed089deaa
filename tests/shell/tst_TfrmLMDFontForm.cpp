#include "TFakeDialoge.h"
#include "TFakeMeldungen.h"
#include "shell/TSchriftWahl.h"
#include "shell/ui/TfrmLMDFontForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>
#include <memory>

namespace {

TSchriftDaten schrift(const QString& name, int groesse, quint32 farbe = 0) {
    TSchriftDaten s;
    s.Name = name;
    s.Groesse = groesse;
    s.Farbe = farbe;
    return s;
}

} // namespace

class tst_TfrmLMDFontForm : public QObject {
    Q_OBJECT

    TFakeMeldungen meldungen;
    std::unique_ptr<TfrmLMDFontForm> fenster;

    template <typename T = QWidget> T* kind(const char* name) const {
        T* w = fenster->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("missing control %s", name);
        return w;
    }
    QTableWidget* tabelle() const { return kind<QTableWidget>("StringGrid1"); }
    QPoint zelle(int zeile, int spalte) const {
        return tabelle()->visualRect(tabelle()->model()->index(zeile, spalte)).center();
    }
    QString muster() const { return kind<QLabel>("Muster")->text(); }
    void oeffnen(const TSchriftDaten& start) {
        fenster = std::make_unique<TfrmLMDFontForm>(start, meldungen, 0, nullptr);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    // Selects characters [von, bis) of the sample text.
    void markieren(int von, int bis) {
        QTextEdit* text = kind<QTextEdit>("RichEdit");
        QTextCursor c = text->textCursor();
        c.setPosition(von);
        c.setPosition(bis, QTextCursor::KeepAnchor);
        text->setTextCursor(c);
    }

private slots:
    void init() { oeffnen(TSchriftWahl::fensterVorgabe()); }
    void cleanup() {
        fenster.reset();
        QVERIFY(meldungen.leer());
    }

    void aufbau() {
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Schriftauswahl"));
        QCOMPARE(fenster->size(), QSize(757, 425));
        QCOMPARE(muster(), QStringLiteral("MORVANE"));
        QCOMPARE(kind<QTextEdit>("RichEdit")->toPlainText(),
                 QStringLiteral("Um die gewählte Schriftart beurteilen zu können, markiert man "
                                "diesen Text \nund weist diesem die gewünschten Eigenschaften "
                                "zu.\n"));
        QVERIFY(!fenster->lupe());
        // The cells keep 19 x 16 pixels inside their grid lines, and all 256 are visible.
        QCOMPARE(tabelle()->visualRect(tabelle()->model()->index(0, 0)).size(), QSize(19, 16));
        QVERIFY(tabelle()->viewport()->rect().contains(
            tabelle()->visualRect(tabelle()->model()->index(15, 15))));
    }

    // Every code of the code page in order, row by row; 0x80 is the euro sign.
    void zeichentabelle() {
        QCOMPARE(tabelle()->rowCount(), 16);
        QCOMPARE(tabelle()->columnCount(), 16);
        QCOMPARE(tabelle()->item(4, 1)->text(), QStringLiteral("A"));
        QCOMPARE(tabelle()->item(8, 0)->text(), QStringLiteral("€"));
        QCOMPARE(tabelle()->item(15, 15)->text(), QStringLiteral("ÿ"));
        QCOMPARE(tabelle()->item(2, 6)->text(), QStringLiteral("&"));
        QCOMPARE(tabelle()->font().pointSize(), 8);
        QCOMPARE(tabelle()->font().family(), QStringLiteral("Comic Sans MS"));
    }

    void lupe() {
        QTest::mousePress(tabelle()->viewport(), Qt::LeftButton, {}, zelle(2, 6));
        QLabel* lupe = fenster->lupe();
        QVERIFY(lupe);
        QCOMPARE(lupe->text(), QStringLiteral("&"));
        QCOMPARE(lupe->textFormat(), Qt::PlainText);
        QCOMPARE(lupe->size(), QSize(38, 32));
        QCOMPARE(lupe->font().pixelSize(), 28);
        const QPoint mitte = tabelle()->viewport()->mapTo(fenster.get(), zelle(2, 6));
        QVERIFY2((lupe->geometry().center() - mitte).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 / %3,%4")
                                .arg(lupe->geometry().center().x())
                                .arg(lupe->geometry().center().y())
                                .arg(mitte.x())
                                .arg(mitte.y())));
        QTest::mouseRelease(tabelle()->viewport(), Qt::LeftButton, {}, zelle(2, 6));
        QVERIFY(!fenster->lupe());

        // A second press shows only the new magnifier, also at the table's edge.
        QTest::mousePress(tabelle()->viewport(), Qt::LeftButton, {}, zelle(15, 15));
        QCOMPARE(fenster->findChildren<QLabel*>(QStringLiteral("Lupe")).size(), 1);
        QCOMPARE(fenster->lupe()->text(), QStringLiteral("ÿ"));
        QTest::mousePress(tabelle()->viewport(), Qt::LeftButton, {}, zelle(4, 1));
        QCOMPARE(fenster->findChildren<QLabel*>(QStringLiteral("Lupe")).size(), 1);
        QCOMPARE(fenster->lupe()->text(), QStringLiteral("A"));
        QTest::mouseRelease(tabelle()->viewport(), Qt::LeftButton, {}, zelle(4, 1));
        QVERIFY(!fenster->lupe());
    }

    void doppelklickErsetztAuswahl() {
        QTextEdit* text = kind<QTextEdit>("RichEdit");
        markieren(7, 14);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("gewählt"));
        QTest::mouseDClick(tabelle()->viewport(), Qt::LeftButton, {}, zelle(2, 6));
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("Um die &e Schriftart")));
        // Without a selection the character goes in at the caret.
        QTest::mouseDClick(tabelle()->viewport(), Qt::LeftButton, {}, zelle(4, 1));
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("Um die &Ae Schriftart")));
        QVERIFY(!fenster->lupe());
    }

    void auswahlImMuster() {
        markieren(0, 2);
        QCOMPARE(muster(), QStringLiteral("Um"));
        // An empty selection leaves the sample as it was; a line end becomes a blank.
        markieren(5, 5);
        QCOMPARE(muster(), QStringLiteral("Um"));
        markieren(71, 79);
        QCOMPARE(muster(), QStringLiteral("xt  und "));
    }

    // A change reaches the table at 8 points and the selected text, not the rest.
    void aenderungen() {
        markieren(0, 2);
        auto* stil = kind<QListWidget>("Schnittliste");
        stil->setCurrentRow(2); // Fett
        kind<QCheckBox>("Unterstrichen")->setChecked(true);
        auto* farbe = kind<QComboBox>("Farbe");
        farbe->setCurrentIndex(farbe->findText(QStringLiteral("Rot")));
        auto* groessen = kind<QListWidget>("Groessenliste");
        groessen->setCurrentItem(groessen->findItems(QStringLiteral("20"), Qt::MatchExactly)[0]);

        const TSchriftDaten s = fenster->schrift();
        QCOMPARE(s.Name, QStringLiteral("Comic Sans MS"));
        QCOMPARE(s.Groesse, 20);
        QVERIFY(s.Fett && !s.Kursiv && s.Unterstrichen && !s.Durchgestrichen);
        QCOMPARE(s.Farbe, quint32(0x0000FF));
        QVERIFY(tabelle()->font().bold());
        QCOMPARE(tabelle()->font().pointSize(), 8);
        QCOMPARE(tabelle()->palette().color(QPalette::Text), QColor(255, 0, 0));

        QTextCursor c(kind<QTextEdit>("RichEdit")->document());
        c.setPosition(1);
        QCOMPARE(c.charFormat().font().pointSize(), 20);
        QVERIFY(c.charFormat().font().bold());
        QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
        c.setPosition(10);
        QVERIFY(!c.charFormat().font().bold());
        QCOMPARE(kind<QLabel>("Muster")->font().pointSize(), 20);
    }

    void uebernehmen() {
        // The apply button puts the font into the table again; it does not close the window.
        tabelle()->setFont(QFont(QStringLiteral("Liberation Serif"), 14));
        kind<QPushButton>("UebernehmenBtn")->click();
        QCOMPARE(tabelle()->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(tabelle()->font().pointSize(), 8);
        QVERIFY(fenster->isVisible());
    }

    // Faces and colours the lists lack stay as they were; the size can be typed.
    void fremdeWerteBleiben() {
        TSchriftDaten start = schrift(QStringLiteral("Gibt Es Nicht, Fett"), 13, 0x00E7FFFF);
        start.Abstand = TSchriftDaten::TAbstand::Fest;
        start.Kursiv = true;
        start.Durchgestrichen = true;
        oeffnen(start);
        QCOMPARE(fenster->schrift(), start);
        QCOMPARE(kind<QListWidget>("Schriftliste")->currentItem()->text(), start.Name);
        QCOMPARE(kind<QComboBox>("Farbe")->currentText(), QStringLiteral("Benutzerdefiniert"));
        QCOMPARE(kind<QListWidget>("Schnittliste")->currentItem()->text(),
                 QStringLiteral("Kursiv"));
        auto* groesse = kind<QLineEdit>("Groesse");
        QCOMPARE(groesse->text(), QStringLiteral("13"));
        groesse->setFocus();
        groesse->selectAll();
        QTest::keyClicks(groesse, "17");
        QCOMPARE(fenster->schrift().Groesse, 17);
        QTest::keyClicks(groesse, "0000"); // beyond the validator: refused
        QCOMPARE(fenster->schrift().Groesse, 170);
    }

    void okUndAbbrechen() {
        TFakeDialoge dialoge;
        dialoge.waehrend = [](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("AbbrechenBtn"))->click();
        };
        QCOMPARE(TfrmLMDFontForm::waehlen(dialoge, meldungen, 0, TSchriftWahl::fensterVorgabe(),
                                          nullptr),
                 std::nullopt);
        dialoge.waehrend = [](QDialog& d) {
            d.findChild<QListWidget*>(QStringLiteral("Schnittliste"))->setCurrentRow(3);
            d.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        };
        const auto gewaehlt = TfrmLMDFontForm::waehlen(dialoge, meldungen, 0,
                                                       TSchriftWahl::fensterVorgabe(), nullptr);
        QVERIFY(gewaehlt);
        QVERIFY(gewaehlt->Fett && gewaehlt->Kursiv);
        QCOMPARE(dialoge.gezeigt.size(), 2);
        QCOMPARE(dialoge.gezeigt[0].titel, QStringLiteral("Schriftauswahl"));
    }

    // A name the file cannot hold is refused, and the window stays for another choice.
    void nichtSpeicherbarerName() {
        oeffnen(schrift(QStringLiteral("文泉驿正黑"), 12));
        QSignalSpy fertig(fenster.get(), &QDialog::finished);
        kind<QPushButton>("OkBtn")->click();
        const TFakeMeldungen::TBox box = meldungen.nimm();
        QCOMPARE(box.art, QStringLiteral("Warnung"));
        QCOMPARE(box.text, TSchriftWahl::kNichtSpeicherbar.text(0));
        QCOMPARE(fertig.size(), 0);
        QVERIFY(fenster->isVisible());
    }
};

QTEST_MAIN(tst_TfrmLMDFontForm)
#include "tst_TfrmLMDFontForm.moc"
