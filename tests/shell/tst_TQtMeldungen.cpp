#include "shell/ui/TQtMeldungen.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
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
};

QTEST_MAIN(tst_TQtMeldungen)
#include "tst_TQtMeldungen.moc"
