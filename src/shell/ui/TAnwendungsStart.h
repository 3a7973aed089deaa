#pragma once

#include <QStringList>

class QApplication;

// What the program sets up around its main window, the same for the program and for the
// start-up benchmark that measures it.
class TAnwendungsStart {
public:
    // The application's name, Qt's own texts in German and the window icon.
    static void einrichten(QApplication& anwendung);
    // The per-user shell folders: application data and documents.
    static QStringList shellOrdner();
};
