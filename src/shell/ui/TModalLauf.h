#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

// Runs a dialog modally so that the keyboard follows it: the dialog takes the keyboard when it
// appears and gives it back to the control that had it when it closes. Without a window manager
// nobody else does either, and keys would land in the wrong window.
class TModalLauf {
public:
    static int ausfuehren(QDialog& dialog) {
        const QPointer<QWidget> vorher = QApplication::focusWidget();
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
        const int ergebnis = dialog.exec();
        if (vorher && vorher->isVisible()) {
            vorher->activateWindow();
            vorher->setFocus(Qt::OtherFocusReason);
        }
        return ergebnis;
    }
};
