#include "shell/TSchriftWahl.h"

#include "lessons/TStrHolder.h"
#include "shell/IMeldungen.h"
#include "shell/IProgrammFenster.h"
#include "shell/TLaufDaten.h"
#include "shell/TNewIniFile.h"
#include "shell/TSchriftText.h"
#include "shell/TTexte.h"

namespace {
const QString kSetup = QStringLiteral("Setup");
}

TSchriftDaten TSchriftWahl::fensterVorgabe() {
    TSchriftDaten s;
    s.Name = QStringLiteral("Comic Sans MS");
    s.Groesse = 12;
    return s;
}

QString TSchriftWahl::schluessel(TArt art) {
    return art == TArt::Menu ? QStringLiteral("MenuSchrift") : QStringLiteral("AZSchrift");
}

QString TSchriftWahl::einstellungsDatei() const {
    return m_lauf.Verzeichnisse.Daten + QStringLiteral("drilla3.ini");
}

TSchriftDaten TSchriftWahl::gespeicherteSchrift(TArt art) const {
    const TNewIniFile ini(einstellungsDatei());
    return TSchriftText::SchriftLaden(ini.textLesen(kSetup, schluessel(art), QString()),
                                      fensterVorgabe());
}

bool TSchriftWahl::speicherbar(const TSchriftDaten& schrift) {
    const QString text = TSchriftText::SchriftSpeichern(schrift);
    return TNewIniFile::wertSpeicherbar(text) &&
           TSchriftText::SchriftLaden(text, fensterVorgabe()) == schrift;
}

void TSchriftWahl::ausfuehren(TArt art, const TFenster& fenster) {
    const std::optional<TSchriftDaten> gewaehlt = fenster(gespeicherteSchrift(art));
    // Cancelling stores nothing: a choice the program does not show must not appear at the
    // next start.
    if (!gewaehlt)
        return;
    if (!speicherbar(*gewaehlt)) {
        m_meldungen.meldung(TMeldungsArt::Warnung, QStringLiteral("Warnung"),
                            kNichtSpeicherbar.text(m_anrede));
        return;
    }
    const QString pfad = einstellungsDatei();
    TNewIniFile ini(pfad);
    const bool geschrieben =
        ini.textSchreiben(kSetup, schluessel(art), TSchriftText::SchriftSpeichern(*gewaehlt));
    for (const QString& kopie : TStrHolder::neueSicherungen())
        m_meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                            TStrHolder::sicherungsMeldung(kopie));
    if (!geschrieben) {
        m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(),
                            QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
        return;
    }
    TNewIniFile::IniDateiSchreiben(pfad);
    // What the file now holds is what the window shows from now on.
    const TSchriftDaten schrift = gespeicherteSchrift(art);
    if (art == TArt::Menu)
        m_fenster.setzeMenuSchrift(schrift);
    else
        m_fenster.setzeFeldSchrift(schrift);
}
