#pragma once

#include "TFakeMeldungen.h"
#include "shell/TPlattform.h"
#include "shell/ui/TModulLader.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <functional>

class TFakeKlang : public IKlang {
public:
    void spielen(int nummer) override { gespielt.append(nummer); }
    QList<int> gespielt;
};

// Never waits; runs `waehrend` instead, so a test can send input "during" a pause.
class TFakeWarten : public IWarten {
public:
    void warten(int millisekunden) override {
        pausen.append(millisekunden);
        if (waehrend)
            waehrend();
    }
    QList<int> pausen;
    std::function<void()> waehrend;
};

class TFakeShell : public IShell {
public:
    bool textBearbeiten(const QString& pfad) override {
        return merken(QStringLiteral("text:") + pfad);
    }
    bool ordnerZeigen(const QString& pfad) override {
        return merken(QStringLiteral("ordner:") + pfad);
    }
    bool adresseOeffnen(const QString& adresse) override {
        return merken(QStringLiteral("adresse:") + adresse);
    }
    QStringList aufrufe;
    bool gelingt = true;

private:
    bool merken(const QString& aufruf) {
        aufrufe.append(aufruf);
        return gelingt;
    }
};

class TFakeUhr : public IUhr {
public:
    QDateTime jetzt() override { return zeit; }
    QLocale gebietsschema() override { return QLocale(QLocale::German, QLocale::Germany); }
    QDateTime zeit = QDateTime(QDate(2026, 12, 9), QTime(14, 5, 30));
};

// Draws the scripted values in order, then 0; counts reseeds.
class TFakeZufall : public IZufall {
public:
    void neuSaeen() override { ++saaten; }
    int ziehen(int anzahl) override {
        ziehungen.append(anzahl);
        int wert = werte.isEmpty() ? 0 : werte.takeFirst();
        return anzahl > 0 ? wert % anzahl : 0;
    }
    QList<int> werte;
    QList<int> ziehungen;
    int saaten = 0;
};

// All fakes together, ready to be handed to a window or the trainer.
// The program's modules lie in the build's program folder, not beside the tests.
struct TModulOrdner {
    TModulOrdner() { TModulLader::setzeOrdner({QStringLiteral(DRILLA_BIN_DIR)}); }
};

struct TFakePlattform {
    TModulOrdner modulOrdner;
    TFakeMeldungen meldungen;
    TFakeKlang klang;
    TFakeWarten warten;
    TFakeShell shell;
    TFakeUhr uhr;
    TFakeZufall zufall;

    TPlattform plattform() { return {meldungen, klang, warten, shell, uhr, zufall}; }
};
