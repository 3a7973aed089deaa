#pragma once

#include "lessons/TAnredeText.h"

#include <QString>

// The version shown to the user comes from the build; this is only the fallback.
#ifndef DRILLA_ANZEIGEVERSION
#define DRILLA_ANZEIGEVERSION "3.5b"
#endif

// Texts that more than one window or class shows, defined once.
struct TTexte {
    // " V3.5b ", with the blanks the titles are built with.
    static QString versionsZusatz() {
        return QStringLiteral(" V") + QStringLiteral(DRILLA_ANZEIGEVERSION) + QLatin1Char(' ');
    }
    static QString produktName() { return QStringLiteral("DRILLA, der Lerntrainer "); }
    // The main window's and the tips window's title: product name and version suffix.
    static QString fensterTitel(const QString& zusatz) { return produktName() + zusatz; }
    // The title of the trainer's error boxes.
    static QString kurzTitel() { return QStringLiteral("DRILLA") + versionsZusatz(); }

    static constexpr TAnredeText kZeichenfeldHinweis = {
        "Wählen Sie mit der Maus das nächste benötigte Zeichen der Lösung.",
        "Wähle mit der Maus das nächste benötigte Zeichen der Lösung."};
    static constexpr TAnredeText kBeantworten = {"Bitte beantworten Sie die gestellten Aufgaben.",
                                                 "Bitte beantworte die gestellten Aufgaben."};
    static constexpr const char* kSpeicherFehler =
        "Die Daten können nicht gespeichert werden!\r\nEventuell ist der Datenträger "
        "schreibgeschützt.";
};
