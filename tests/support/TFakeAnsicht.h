#pragma once

#include "lessons/ITrainerAnsicht.h"
#include "lessons/ITrainerMenues.h"

#include <QList>
#include <QStringList>
#include <functional>

// Keeps what the trainer shows, so core tests can read it back.
class TFakeAnsicht : public ITrainerAnsicht, public ITrainerMenues {
public:
    QString antwort;
    bool antwortMarkiert = false;
    bool antwortHatFokus = false;
    TAntwortFarbe farbe = TAntwortFarbe::Weiss;
    QList<TAntwortFarbe> farben;
    QString aufgabenTitel = QStringLiteral(" Aufgabe ");
    QString frage = QStringLiteral("Lektion laden ...");
    QString vorschlag1, vorschlag2;
    qint64 fehlerzahl = 0;
    QString ueberschrift = QStringLiteral("Keine Lektion geladen !");
    QString ueberschriftHinweis;
    QString zahlDerAufgaben = QStringLiteral("    ");
    QString infoText;
    QStringList historie = QStringList(5, QStringLiteral("kein Eintrag"));
    bool erfolg = false;
    qint64 erfolgMaximum = -1, erfolgWert = -1;
    QStringList loesungen; // "frage|antwort|lesemodus"
    QStringList urteile;
    QString zeichenfeldHinweis, lesemodusText;
    int drehungen = 0;
    std::function<void()> beiLoesung; // runs while the solution window is "open"

    QString antwortText() const override { return antwort; }
    void setzeAntwortText(const QString& text) override {
        antwort = text;
        antwortMarkiert = false;
    }
    void antwortFokusUndLeeren() override {
        antwortHatFokus = true;
        antwort.clear();
        antwortMarkiert = false;
    }
    void antwortAllesMarkieren() override { antwortMarkiert = true; }
    int einfuegePosition = 0;
    int antwortEinfuegePosition() const override { return einfuegePosition; }
    void setzeAntwortTextUndCursor(const QString& text, int cursor) override {
        antwort = text;
        einfuegePosition = std::min<int>(cursor, text.size());
    }
    void setzeAntwortFarbe(TAntwortFarbe f) override {
        farbe = f;
        farben.append(f);
    }
    void setzeAufgabenTitel(const QString& titel) override { aufgabenTitel = titel; }
    void setzeFrage(const QString& f) override { frage = f; }
    void setzeVorschlaege(const QString& v1, const QString& v2) override {
        vorschlag1 = v1;
        vorschlag2 = v2;
    }
    void setzeFehlerzahl(qint64 n) override { fehlerzahl = n; }
    void setzeLektionsUeberschrift(const QString& name) override { ueberschrift = name; }
    void setzeLektionsHinweis(const QString& pfad) override { ueberschriftHinweis = pfad; }
    void setzeZahlDerAufgaben(const QString& text) override { zahlDerAufgaben = text; }
    void setzeInfoText(const QString& text) override { infoText = text; }
    void setzeHistorienTitel(int nummer, const QString& titel) override {
        historie[nummer - 1] = titel;
    }
    void zeigeErfolg(bool e) override { erfolg = e; }
    void setzeErfolg(qint64 maximum, qint64 wert) override {
        erfolgMaximum = maximum;
        erfolgWert = wert;
    }
    void loesungZeigen(const QString& f, const QString& a, bool lesemodus) override {
        loesungen.append(f + QLatin1Char('|') + a + QLatin1Char('|') +
                         (lesemodus ? QLatin1Char('1') : QLatin1Char('0')));
        if (beiLoesung)
            beiLoesung();
    }
    void urteilZeigen(const QString& text) override { urteile.append(text); }
    void setzeZeichenfeldHinweise(const QString& hinweis) override { zeichenfeldHinweis = hinweis; }
    void setzeLesemodusText(const QString& text) override { lesemodusText = text; }
    void zeichenfelderDrehen(int) override { ++drehungen; }
    void lesemodusLayout(bool normal) override { layouts.append(normal); }
    void setzeNetzwerkHinweis(const QString& h) override { netzwerkHinweis = h; }
    void setzePrivatHinweis(const QString& h) override { privatHinweis = h; }
    QList<bool> layouts;
    QString netzwerkHinweis, privatHinweis;
};
