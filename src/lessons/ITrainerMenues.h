#pragma once

#include <QString>

// What the practice shows in the host window's menus rather than on its page.
class ITrainerMenues {
public:
    virtual ~ITrainerMenues() = default;

    virtual void setzeHistorienTitel(int nummer, const QString& titel) = 0; // nummer 1..5
    virtual void setzeNetzwerkHinweis(const QString& hinweis) = 0;
    virtual void setzePrivatHinweis(const QString& hinweis) = 0;
};
