#pragma once

#include <QDialog>

// The editor's short help: a fixed dialog with the operating notes and "&Schließen".
class TEditorHilfe : public QDialog {
    Q_OBJECT
public:
    explicit TEditorHilfe(QWidget* eltern = nullptr);
    static QString hinweise();
};
