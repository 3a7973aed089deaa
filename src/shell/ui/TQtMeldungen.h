#pragma once

#include "shell/IMeldungen.h"

#include <QPointer>
#include <QStringList>

class QWidget;

// The real message boxes and file dialogs, modal over the given window.
class TQtMeldungen : public IMeldungen {
public:
    explicit TQtMeldungen(QWidget* eltern);
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }

    void meldung(TMeldungsArt art, const QString& titel, const QString& text) override;
    bool frage(TFrageArt art, const QString& titel, const QString& text) override;
    int auswahl(const QString& titel, const QString& text, const QStringList& knoepfe) override;
    bool texteingabe(const QString& titel, const QString& aufforderung, QString& wert) override;
    QString dateiOeffnen(const TDateiDialog& dialog) override;
    QString dateiSpeichern(const TDateiDialog& dialog) override;
    QString ordnerWaehlen(const QString& titel, const QString& hinweis,
                          const QString& start) override;

    // "Lektionen (*.txt)|*.txt|..." becomes one Qt name filter per pair.
    static QStringList namensfilter(const QString& filter);
    // "*.txt" becomes "txt"; anything still holding a wildcard becomes "".
    static QString endung(const QString& standardEndung);

private:
    QString dateiDialog(const TDateiDialog& dialog, bool speichern);

    // The window may go away before its services do.
    QPointer<QWidget> eltern_;
};
