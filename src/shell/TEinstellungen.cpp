#include "shell/TEinstellungen.h"

#include "shell/TIniDokument.h"
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
    const TIniDokument ini(pfad);
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
    TIniDokument ini(pfad);
    const std::pair<const char*, bool> schalter[] = {
        {"Ton", o.Ton},
        {"popupHilfe", o.PopupHilfe},
        {"SofortPrüfen", o.SofortPruefen},
        {"Anrede", o.AnredeDu},
        {"Felder_drehen", o.FelderDrehen},
        {"Lesemodus", o.Lesemodus},
        {"OhneFarbeDrucken", o.OhneFarbeDrucken},
    };
    bool ok = ini.lesbar();
    for (const auto& [schluessel, wert] : schalter)
        ok = ok && ini.boolSetzen(kSetup, QString::fromUtf8(schluessel), wert);
    // Paths and names come from the file system and the user; whatever the file cannot keep of
    // them is replaced rather than losing every setting. The history captions' three trailing
    // blanks go as well: reading would drop them anyway.
    ok = ok &&
         ini.textSetzen(kSetup, QStringLiteral("Letzte_Lektion"),
                        TNewIniFile::speicherbarMachen(letzteLektion)) &&
         ini.textSetzen(kSetup, QStringLiteral("Benutzer"),
                        TNewIniFile::speicherbarMachen(benutzer));
    for (int k = 1; k <= 5; ++k)
        ok = ok && ini.textSetzen(kHistorie, historienSchluessel(k),
                                  TNewIniFile::speicherbarMachen(historienTitel.value(k - 1)));
    return ok && ini.speichern();
}
