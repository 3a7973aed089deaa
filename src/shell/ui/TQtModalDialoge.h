#pragma once

#include "shell/ui/IModalDialoge.h"

#include <QDialog>
#include <QTimer>

class TQtModalDialoge : public IModalDialoge {
public:
    int ausfuehren(QDialog& dialog) override {
        // Without a window manager nobody hands the new window the keyboard; it takes it itself.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
        return dialog.exec();
    }
};
