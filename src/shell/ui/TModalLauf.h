#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWindow>

// Runs a dialog modally so that the keyboard follows it: the dialog takes the keyboard when it
// appears and gives it back to the control that had it (or to the window below) when it closes.
// Without a window manager nobody else does either, and keys would land in the wrong window.
class TModalLauf : public QObject {
public:
    static int ausfuehren(QDialog& dialog) {
        const QPointer<QWidget> vorher = QApplication::focusWidget();
        const QPointer<QWidget> darunter =
            dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
        // The keyboard can only go to a window that is on the screen, so it is taken when the
        // dialog first shows.
        dialog.winId();
        TModalLauf aktivierung(dialog);
        const int ergebnis = dialog.exec();
        QWidget* zurueck = vorher && vorher->isVisible() ? vorher.data() : darunter.data();
        if (zurueck && zurueck->isVisible()) {
            zurueck->activateWindow();
            if (zurueck == vorher)
                zurueck->setFocus(Qt::OtherFocusReason);
        }
        return ergebnis;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Expose && m_dialog && m_dialog->windowHandle() &&
            m_dialog->windowHandle()->isExposed()) {
            objekt->removeEventFilter(this);
            m_dialog->activateWindow();
        }
        return false;
    }

private:
    explicit TModalLauf(QDialog& dialog) : m_dialog(&dialog) {
        if (QWindow* fenster = dialog.windowHandle())
            fenster->installEventFilter(this);
    }
    ~TModalLauf() override {
        if (m_dialog && m_dialog->windowHandle())
            m_dialog->windowHandle()->removeEventFilter(this);
    }

    QPointer<QDialog> m_dialog;
};
