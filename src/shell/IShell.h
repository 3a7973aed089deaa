#pragma once

#include <QString>

// The desktop's own programs: text editor, file manager, web browser. Nothing waits for them.
class IShell {
public:
    virtual ~IShell() = default;
    virtual bool textBearbeiten(const QString& pfad) = 0;
    virtual bool ordnerZeigen(const QString& pfad) = 0;
    virtual bool adresseOeffnen(const QString& adresse) = 0;
};
