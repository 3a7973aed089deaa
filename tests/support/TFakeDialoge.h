#pragma once

#include "shell/ui/IModalDialoge.h"

#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMap>
#include <QRect>
#include <functional>

// Instead of running a modal loop, notes which window was shown with which label texts.
class TFakeDialoge : public IModalDialoge {
public:
    struct TFenster {
        QString name;
        QString titel;
        QMap<QString, QString> texte; // label objectName -> text
        QRect rahmen;
    };
    int ausfuehren(QDialog& dialog) override {
        TFenster f{dialog.objectName(), dialog.windowTitle(), {}, dialog.frameGeometry()};
        for (QLabel* l : dialog.findChildren<QLabel*>())
            f.texte.insert(l->objectName(), l->text());
        gezeigt.append(f);
        // A window that `waehrend` closed gives its own result; otherwise it counts as accepted.
        int ergebnis = QDialog::Accepted;
        const auto verbindung =
            QObject::connect(&dialog, &QDialog::finished, [&ergebnis](int r) { ergebnis = r; });
        if (waehrend)
            waehrend(dialog);
        QObject::disconnect(verbindung);
        return ergebnis;
    }
    QList<TFenster> gezeigt;
    std::function<void(QDialog&)> waehrend;
};
