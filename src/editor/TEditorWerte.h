#pragma once

#include <QString>

// The editor's own one-row clipboard; not the system clipboard.
struct TEditorZwischenablage {
    QString Antwort;
    QString Aufgabe;
};

// What the editor keeps for the whole run, across its openings.
struct TEditorWerte {
    // The lesson last loaded or created in the editor; asked about when the editor is left.
    QString EditorDatei;
    TEditorZwischenablage EditorZwischenablage;
};
