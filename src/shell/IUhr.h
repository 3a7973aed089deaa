#pragma once

#include <QDateTime>
#include <QLocale>

// Current date and time, plus the locale that formats them.
class IUhr {
public:
    virtual ~IUhr() = default;
    virtual QDateTime jetzt() = 0;
    virtual QLocale gebietsschema() = 0;
};
