#pragma once

#include <QString>

// What the editor's commands need of its window: the two fields, the focus and the captions.
class IEditorAnsicht {
public:
    virtual ~IEditorAnsicht() = default;
    virtual QString frageText() const = 0;
    virtual QString antwortText() const = 0;
    virtual void setzeFelder(const QString& frage, const QString& antwort) = 0;
    virtual void tabelleFokussieren() = 0;
    // The field gets the focus with its whole text selected, so typing replaces it.
    virtual void frageFokussieren() = 0;
    virtual void antwortFokussieren() = 0;
    virtual void setzeGeladeneLektion(const QString& text) = 0;
    virtual void setzeInfoText(const QString& text) = 0;
    virtual void setzeAufgabenNr(const QString& text) = 0;
};
