#pragma once

class QCoreApplication;

// Qt's own texts (file dialogs, standard buttons) in German, as the rest of the program.
class TQtUebersetzung {
public:
    // Installs the German translations of Qt's own texts; false when the system lacks them
    // (package qt6-translations-l10n), the texts then stay English.
    static bool laden(QCoreApplication& anwendung);
};
