#include "shell/ui/TQtUebersetzung.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

// Qt's own dialogs in German, also for a user whose locale is English.
class tst_TQtUebersetzung : public QObject {
    Q_OBJECT

private slots:
    void dateidialogSprichtDeutsch() {
        QLocale::setDefault(QLocale(QLocale::English));
        if (!TQtUebersetzung::laden(*QCoreApplication::instance()))
            QSKIP("Qt's German translations are missing (package qt6-translations-l10n).");
        QFileDialog dialog(nullptr, QStringLiteral("Lektion laden"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        QStringList texte;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texte << label->text();
        QVERIFY2(texte.contains(QStringLiteral("Datei&name:")), qPrintable(texte.join(u'|')));
        QVERIFY2(texte.contains(QStringLiteral("Suchen in:")), qPrintable(texte.join(u'|')));
        const auto* knoepfe = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(knoepfe);
        QCOMPARE(knoepfe->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(tst_TQtUebersetzung)
#include "tst_TQtUebersetzung.moc"
