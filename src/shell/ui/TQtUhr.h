#pragma once

#include "shell/IUhr.h"

// The system clock and the user's locale.
class TQtUhr : public IUhr {
public:
    QDateTime jetzt() override;
    QLocale gebietsschema() override;
};
