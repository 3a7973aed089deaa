#pragma once

#include "shell/TSchriftDaten.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The font dialog embedded in the font window: face, style and size lists, underline,
// strike-out and colour, a sample line and the buttons "&Ok", "Abbrechen" and "&Übernehmen".
class TSchriftDialog : public QWidget {
    Q_OBJECT
public:
    explicit TSchriftDialog(QWidget* eltern);

    // Selects the font; a face or colour the lists lack is added, so that it stays as it is.
    void setzeSchrift(const TSchriftDaten& schrift);
    TSchriftDaten schrift() const { return m_schrift; }
    // The text of the sample line.
    void setzeMuster(const QString& text);

signals:
    // After every change of face, style, size, underline, strike-out or colour.
    void geaendert();
    void bestaetigt();
    void abgebrochen();
    void uebernommen();

private:
    void aufbauen();
    void nameGetippt(const QString& text);
    void groesseGetippt(const QString& text);
    void auswahlUebernehmen();
    void anzeigen(const QLineEdit* ausser);
    int farbeAuswaehlen(quint32 farbe);

    TSchriftDaten m_schrift;
    bool m_setzt = false; // while the controls are set from m_schrift

    QLineEdit* Schriftname = nullptr;
    QListWidget* Schriftliste = nullptr;
    QLineEdit* Schnittname = nullptr;
    QListWidget* Schnittliste = nullptr;
    QLineEdit* Groesse = nullptr;
    QListWidget* Groessenliste = nullptr;
    QCheckBox* Durchgestrichen = nullptr;
    QCheckBox* Unterstrichen = nullptr;
    QComboBox* Farbe = nullptr;
    QLabel* Muster = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* AbbrechenBtn = nullptr;
    QPushButton* UebernehmenBtn = nullptr;
};
