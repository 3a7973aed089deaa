#pragma once

#include "shell/ui/IModalDialoge.h"
#include "shell/ui/TModalLauf.h"

class TQtModalDialoge : public IModalDialoge {
public:
    int ausfuehren(QDialog& dialog) override { return TModalLauf::ausfuehren(dialog); }
};
