#include "shell/ui/TQtMeldungen.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The real lesson dialogs, as a learner sees them before choosing a file.
class tst_TQtMeldungen : public QObject {
    Q_OBJECT

    // Opens the dialog, notes what it shows, then closes it without a choice.
    static QStringList gezeigt(bool speichern) {
        QTemporaryDir ordner;
        const TDateiDialog dialog{{},
                                  ordner.path(),
                                  QStringLiteral("Lektionen  (*.txt)|*.txt"),
                                  QStringLiteral("*.txt"),
                                  QStringLiteral("*.txt")};
        QStringList notiert;
        QTimer::singleShot(0, [&] {
            auto* fenster = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!fenster)
                return;
            const auto* typen = fenster->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            const auto* name = fenster->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            notiert << (typen ? typen->currentText() : QString())
                    << (name ? name->text() : QString());
            fenster->reject();
        });
        TQtMeldungen meldungen(nullptr);
        const QString gewaehlt =
            speichern ? meldungen.dateiSpeichern(dialog) : meldungen.dateiOeffnen(dialog);
        notiert << gewaehlt;
        return notiert;
    }

private slots:
    void lektionsdialogeZeigenFilterUndVorgabe() {
        const QStringList erwartet = {QStringLiteral("Lektionen  (*.txt)"), QStringLiteral("*.txt"),
                                      QString()};
        QCOMPARE(gezeigt(false), erwartet);
        QCOMPARE(gezeigt(true), erwartet);
    }

    // The box shows the buttons in their order; Escape gives the last one.
    void auswahlNenntDenGedruecktenKnopf() {
        const QStringList knoepfe = {QStringLiteral("Ja"), QStringLiteral("Nein"),
                                     QStringLiteral("Abbrechen")};
        auto antworten = [&](const QString& knopf) {
            QStringList gesehen;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                for (QAbstractButton* b : box->buttons())
                    gesehen << b->text();
                if (knopf.isEmpty())
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    for (QAbstractButton* b : box->buttons())
                        if (b->text() == knopf)
                            b->click();
            });
            TQtMeldungen meldungen(nullptr);
            const int index =
                meldungen.auswahl(QStringLiteral("Bestätigung"), QStringLiteral("?"), knoepfe);
            gesehen.sort();
            QStringList alle = knoepfe;
            alle.sort();
            return gesehen == alle ? index : -2;
        };
        QCOMPARE(antworten(QStringLiteral("Nein")), 1);
        QCOMPARE(antworten(QStringLiteral("Ja")), 0);
        QCOMPARE(antworten(QString()), 2);
    }
};

QTEST_MAIN(tst_TQtMeldungen)
#include "tst_TQtMeldungen.moc"
