#pragma once

#include "shell/ui/IModalDialoge.h"

#include <QDialog>

class TQtModalDialoge : public IModalDialoge {
public:
    int ausfuehren(QDialog& dialog) override { return dialog.exec(); }
};
