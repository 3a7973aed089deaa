#pragma once

#include <QString>

// A text that addresses the user, in the formal ("Sie", index 0) and informal ("Du", index 1)
// wording; the wording is picked when the text is shown.
struct TAnredeText {
    const char* formal;
    const char* informal;

    QString text(int anredeIndex) const {
        return QString::fromUtf8(anredeIndex == 1 ? informal : formal);
    }
};
