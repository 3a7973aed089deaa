#include "lessons/TAnsiCodec.h"
#include "tiles/ui/TSonderform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QtTest>
#include <memory>

class tst_TSonderform : public QObject {
    Q_OBJECT

    std::unique_ptr<TSonderform> f;

    template <typename T = QWidget> T* kind(const char* name) {
        T* w = f->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("missing control %s", name);
        return w;
    }
    QComboBox* liste() { return kind<QComboBox>("ComboBox1"); }
    QLineEdit* zeile() { return liste()->lineEdit(); }
    QString vorschau() { return kind<QLabel>("RzLabel")->text(); }
    // What the main window does: refill, then show. exec() would block the test.
    void oeffnen(const QPoint& ort = {100, 100}, const QFont& schrift = QFont()) {
        f->FormShow(ort, schrift);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    // keyClicks takes Latin-1 only; other characters go as key events with text.
    void neuTippen(const QString& text) {
        zeile()->clear();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, zeile(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static QString zeichen(int code) {
        const char byte = static_cast<char>(code);
        return TAnsiCodec::dekodieren(&byte, 1);
    }

private slots:
    void init() { f = std::make_unique<TSonderform>(nullptr); }
    void cleanup() { f.reset(); }

    void fensterUndSteuerelemente() {
        QCOMPARE(f->objectName(), QStringLiteral("Sonderform"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Sonderzeichen auswählen"));
        QCOMPARE(f->size(), QSize(261, 115));
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(kind("RzLabel")->geometry(), QRect(12, 24, 37, 33));
        QCOMPARE(liste()->pos(), QPoint(60, 24));
        QCOMPARE(liste()->width(), 189);
        QVERIFY(liste()->isEditable());
        QCOMPARE(liste()->maxVisibleItems(), 20);
        QCOMPARE(kind("Button1")->geometry(), QRect(28, 76, 89, 25));
        QCOMPARE(kind<QPushButton>("Button1")->text(), QStringLiteral("Ü&bernehmen"));
        QCOMPARE(kind("Button2")->geometry(), QRect(140, 76, 89, 25));
        QCOMPARE(kind<QPushButton>("Button2")->text(), QStringLiteral("&Abbrechen"));
    }

    void listeBeiJedemOeffnen() {
        for (int mal = 0; mal < 2; ++mal) {
            oeffnen();
            QCOMPARE(liste()->count(), 254);
            for (int i = 0; i < liste()->count(); ++i)
                QCOMPARE(liste()->itemText(i), zeichen(i + 1));
            QCOMPARE(liste()->itemText(0), QString(QChar(1)));
            QCOMPARE(liste()->itemText(31), QStringLiteral(" "));
            QCOMPARE(liste()->itemText(127), QStringLiteral("€"));
            QCOMPARE(liste()->itemText(253), QStringLiteral("þ"));
            QCOMPARE(liste()->view()->sizeHintForRow(0), 26);
            f->reject();
        }
    }

    void lageUndSchrift() {
        QFont schrift(QStringLiteral("Times New Roman"));
        schrift.setPixelSize(24);
        oeffnen({321, 123}, schrift);
        QCOMPARE(f->pos(), QPoint(321, 123));
        QCOMPARE(liste()->font(), schrift);
        QCOMPARE(kind("RzLabel")->font(), schrift);
        QCOMPARE(liste()->pos(), QPoint(60, 24));
        QCOMPARE(liste()->width(), 189);
    }

    // The window lives for the whole run: text and preview survive closing and refilling.
    void textBleibtUeberOeffnungen() {
        oeffnen();
        QCOMPARE(liste()->currentText(), QStringLiteral("Auswahl..."));
        QCOMPARE(vorschau(), QStringLiteral("?"));

        liste()->setCurrentIndex(232); // code 233
        QCOMPARE(liste()->currentText(), QStringLiteral("é"));
        QCOMPARE(vorschau(), QStringLiteral("é"));
        f->reject();
        oeffnen();
        QCOMPARE(liste()->currentText(), QStringLiteral("é"));
        QCOMPARE(vorschau(), QStringLiteral("é"));

        neuTippen(QStringLiteral("xy"));
        QCOMPARE(vorschau(), QStringLiteral("xy"));
        QTest::mouseClick(kind("Button1"), Qt::LeftButton);
        oeffnen();
        QCOMPARE(liste()->currentText(), QStringLiteral("xy"));
        QCOMPARE(vorschau(), QStringLiteral("xy"));
    }

    void abbrechenGibt999_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Escape in der Liste") << "zeile";
        QTest::newRow("Escape auf dem Knopf") << "knopf";
        QTest::newRow("Escape in der offenen Liste") << "offen";
        QTest::newRow("Abbrechen") << "abbrechen";
        QTest::newRow("Schliessfeld") << "schliessen";
    }
    void abbrechenGibt999() {
        QFETCH(QString, weg);
        oeffnen();
        QTest::mouseClick(kind("Button1"), Qt::LeftButton);
        QCOMPARE(f->GewaehltesZeichen(), QStringLiteral("Auswahl..."));
        oeffnen();
        neuTippen(QStringLiteral("q"));
        if (weg == QLatin1String("zeile")) {
            QTest::keyClick(zeile(), Qt::Key_Escape);
        } else if (weg == QLatin1String("knopf")) {
            QTest::keyClick(kind("Button1"), Qt::Key_Escape);
        } else if (weg == QLatin1String("offen")) {
            liste()->showPopup();
            QVERIFY(liste()->view()->isVisible());
            QTest::keyClick(liste()->view(), Qt::Key_Escape);
            QVERIFY(!liste()->view()->isVisible());
        } else if (weg == QLatin1String("abbrechen")) {
            QTest::mouseClick(kind("Button2"), Qt::LeftButton);
        } else {
            QVERIFY(f->close());
        }
        QVERIFY(!f->isVisible());
        QCOMPARE(f->result(), int(QDialog::Rejected));
        QCOMPARE(f->GewaehltesZeichen(), QStringLiteral("999"));
    }

    void uebernehmenGibtTextGenau_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << "";
        QTest::newRow("999") << "999";
        QTest::newRow("Leerzeichen") << " ";
        QTest::newRow("zwei Zeichen") << "ab";
        QTest::newRow("Umlaut") << "ö";
    }
    void uebernehmenGibtTextGenau() {
        QFETCH(QString, text);
        oeffnen();
        neuTippen(text);
        QCOMPARE(vorschau(), text);
        QTest::mouseClick(kind("Button1"), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(f->GewaehltesZeichen(), text);
    }

    // The list also holds "A"; a typed small letter must not turn into it.
    void eingabetasteUebernimmtGetipptenBuchstaben() {
        oeffnen();
        neuTippen(QStringLiteral("a"));
        QTest::keyClick(zeile(), Qt::Key_Return);
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(f->GewaehltesZeichen(), QStringLiteral("a"));
        oeffnen();
        QCOMPARE(liste()->count(), 254);
    }

    void nurCodepageZeichenTippbar() {
        oeffnen();
        const QValidator* pruefer = liste()->validator();
        QVERIFY(pruefer);
        QString s = QStringLiteral("€ä");
        int stelle = 0;
        QCOMPARE(pruefer->validate(s, stelle), QValidator::Acceptable);
        s = QStringLiteral("aΩ");
        QCOMPARE(pruefer->validate(s, stelle), QValidator::Invalid);
        neuTippen(QStringLiteral("aΩ€"));
        QCOMPARE(liste()->currentText(), QStringLiteral("a€"));
        QCOMPARE(vorschau(), QStringLiteral("a€"));
    }
};

QTEST_MAIN(tst_TSonderform)
#include "tst_TSonderform.moc"
