#pragma once

#include "shell/IShell.h"

// Hands files, folders and web addresses to the desktop's default programs.
class TQtShell : public IShell {
public:
    bool textBearbeiten(const QString& pfad) override;
    bool ordnerZeigen(const QString& pfad) override;
    bool adresseOeffnen(const QString& adresse) override;
};
