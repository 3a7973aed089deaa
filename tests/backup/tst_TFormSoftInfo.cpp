#include "TFensterUmgebung.h"
#include "backup/ui/TFormSoftInfo.h"
#include "shell/ui/TForm1.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

class tst_TFormSoftInfo : public QObject, TFensterUmgebung {
    Q_OBJECT

private slots:
    void zeilen() {
        TFormSoftInfo fenster(QStringLiteral(" V3.5b "), nullptr);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Software-Information"));
        QCOMPARE(fenster.size(), QSize(396, 320));
        QCOMPARE(fenster.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
                 QStringLiteral("DRILLA, der Lerntrainer   V3.5b "));
        QCOMPARE(fenster.findChild<QLabel*>(QStringLiteral("builtlabel"))->text(),
                 QStringLiteral("Built 3.5.0.15"));
        QCOMPARE(TFormSoftInfo::programmZeile(QStringLiteral(" V3.5b  Netzwerkversion")),
                 QStringLiteral("DRILLA, der Lerntrainer   V3.5b  Netzwerkversion"));
    }

    void mittigUeberDemHauptfenster() {
        TFormSoftInfo fenster(QStringLiteral(" V3.5b "), nullptr);
        const QSize eigen = fenster.frameGeometry().size();
        // A main window 5 pixels lower than the window: it overhangs by 2 at the top.
        fenster.FormShow(QRect(QPoint(100, 200), eigen - QSize(0, 5)));
        QCOMPARE(fenster.frameGeometry().top(), 198);
        QCOMPARE(fenster.frameGeometry().left(), 100);
        fenster.FormShow(QRect(QPoint(100, 200), eigen + QSize(7, 5)));
        QCOMPARE(fenster.frameGeometry().topLeft(), QPoint(103, 202));
    }

    void escSchliesstEnterNicht() {
        TFormSoftInfo fenster(QStringLiteral(" V3.5b "), nullptr);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QTest::keyClick(&fenster, Qt::Key_Return);
        QVERIFY(fenster.isVisible());
        QTest::keyClick(&fenster, Qt::Key_Escape);
        QVERIFY(!fenster.isVisible());
        QCOMPARE(fenster.result(), int(QDialog::Rejected));
    }

    void ausDemHilfeMenue() {
        anlegen();
        bauen();
        QAction* info = f->aktion(QStringLiteral("Info1"));
        QVERIFY(info->isEnabled());
        QCOMPARE(info->text(), QStringLiteral("Inf&o..."));
        QCOMPARE(info->toolTip(), QStringLiteral("Zeigt Informationen zur Software."));
        info->trigger();
        QCOMPARE(d->gezeigt.size(), 1);
        QCOMPARE(d->gezeigt.at(0).name, QStringLiteral("FormSoftInfo"));
        QCOMPARE(d->gezeigt.at(0).texte.value(QStringLiteral("Label6")),
                 QStringLiteral("DRILLA, der Lerntrainer   V3.5b "));
    }
};

QTEST_MAIN(tst_TFormSoftInfo)
#include "tst_TFormSoftInfo.moc"
