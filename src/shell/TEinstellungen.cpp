#include "shell/TEinstellungen.h"

#include "lessons/TAnsiCodec.h"

#include "shell/TNewIniFile.h"
#include "shell/TSchriftText.h"
#include "shell/TVerzeichnisse.h"

namespace {
const QString kSetup = QStringLiteral("Setup");
const QString kHistorie = QStringLiteral("Historie");
const QString kKeinEintrag = QStringLiteral("kein Eintrag");

QString historienSchluessel(int k) {
    return QStringLiteral("Letzte_Lektion#%1").arg(k);
}
} // namespace

TSchriftDaten TEinstellungen::menuSchriftVorgabe() {
    return {};
}

TSchriftDaten TEinstellungen::feldSchriftVorgabe() {
    TSchriftDaten s;
    s.Groesse = 14;
    return s;
}

TEinstellungen TEinstellungen::laden(const QString& pfad, const QString& datenVerzeichnis) {
    const TNewIniFile ini(pfad);
    TEinstellungen e;
    e.MenuSchrift = TSchriftText::SchriftLaden(
        ini.textLesen(kSetup, QStringLiteral("MenuSchrift"), QString()), menuSchriftVorgabe());
    e.FeldSchrift = TSchriftText::SchriftLaden(
        ini.textLesen(kSetup, QStringLiteral("AZSchrift"), QString()), feldSchriftVorgabe());
    TOptionen& o = e.Optionen;
    o.Ton = ini.boolLesen(kSetup, QStringLiteral("Ton"), true);
    o.PopupHilfe = ini.boolLesen(kSetup, QStringLiteral("popupHilfe"), true);
    o.AnredeDu = ini.boolLesen(kSetup, QStringLiteral("Anrede"), false);
    e.LetzteLektion = ini.textLesen(kSetup, QStringLiteral("Letzte_Lektion"), kKeinEintrag);
    e.Benutzer = ini.textLesen(kSetup, QStringLiteral("Benutzer"), QStringLiteral("unbekannt"));
    o.FelderDrehen = ini.boolLesen(kSetup, QStringLiteral("Felder_drehen"), false);
    e.LektionsVerzeichnis = TVerzeichnisse::normalisieren(
        ini.textLesen(kSetup, QStringLiteral("Netzwerk_Lektions_Pfad"), datenVerzeichnis));
    for (int k = 1; k <= 5; ++k)
        e.Historie.append(ini.textLesen(kHistorie, historienSchluessel(k), kKeinEintrag));
    o.SofortPruefen = ini.boolLesen(kSetup, QStringLiteral("SofortPrüfen"), false);
    o.Lesemodus = ini.boolLesen(kSetup, QStringLiteral("Lesemodus"), false);
    o.OhneFarbeDrucken = ini.boolLesen(kSetup, QStringLiteral("OhneFarbeDrucken"), true);
    return e;
}

bool TEinstellungen::speichern(const QString& pfad, const TOptionen& o,
                               const QString& letzteLektion, const QString& benutzer,
                               const QStringList& historienTitel) {
    TNewIniFile ini(pfad);
    const std::pair<const char*, bool> schalter[] = {
        {"Ton", o.Ton},
        {"popupHilfe", o.PopupHilfe},
        {"SofortPrüfen", o.SofortPruefen},
        {"Anrede", o.AnredeDu},
        {"Felder_drehen", o.FelderDrehen},
        {"Lesemodus", o.Lesemodus},
        {"OhneFarbeDrucken", o.OhneFarbeDrucken},
    };
    for (const auto& [schluessel, wert] : schalter) {
        if (!ini.boolSchreiben(kSetup, QString::fromUtf8(schluessel), wert))
            return false;
    }
    // Paths come from the file system and may hold characters the file cannot store; they are
    // recorded with '?' rather than losing every setting after them.
    if (!ini.textSchreiben(kSetup, QStringLiteral("Letzte_Lektion"),
                           TAnsiCodec::ersetzen(letzteLektion)) ||
        !ini.textSchreiben(kSetup, QStringLiteral("Benutzer"), TAnsiCodec::ersetzen(benutzer)))
        return false;
    for (int k = 1; k <= 5; ++k) {
        if (!ini.textSchreiben(kHistorie, historienSchluessel(k),
                               TAnsiCodec::ersetzen(historienTitel.value(k - 1))))
            return false;
    }
    return true;
}
