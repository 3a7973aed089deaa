#include "backup/TDatensicherung.h"

#include "backup/TWechselmedien.h"
#include "lessons/TAnredeText.h"
#include "lessons/TStrHolder.h"
#include "shell/IMeldungen.h"
#include "shell/TTexte.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr TAnredeText kZielFehlt = {
    "Das Ziel %1 ist nicht erreichbar.\r\nBitte prüfen Sie, ob der Datenträger eingelegt ist.",
    "Das Ziel %1 ist nicht erreichbar.\r\nBitte prüfe, ob der Datenträger eingelegt ist."};
constexpr TAnredeText kZielIstQuelle = {
    "Das Ziel %1 ist das Lektionsverzeichnis selbst.\r\nBitte wählen Sie ein anderes Ziel.",
    "Das Ziel %1 ist das Lektionsverzeichnis selbst.\r\nBitte wähle ein anderes Ziel."};

// The platform's own wording of the path, for the boxes.
QString zeige(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

// Closes the progress window however the run ends.
struct TFortschrittEnde {
    ISicherungsFortschritt* f;
    ~TFortschrittEnde() {
        if (f)
            f->beenden();
    }
};

} // namespace

TDatensicherung::TDatensicherung(IMeldungen& meldungen, int anredeIndex)
    : m_meldungen(meldungen), m_anrede(anredeIndex) {}

QString TDatensicherung::verbinden(const QString& verzeichnis, const QString& name, QChar trenner) {
    if (verzeichnis.endsWith(trenner))
        return verzeichnis + name;
    return verzeichnis + trenner + name;
}

QString TDatensicherung::quellMuster(const QString& verzeichnis, QChar trenner) {
    return verbinden(verzeichnis, QStringLiteral("*.*"), trenner);
}

QString TDatensicherung::erfolgsMeldung(const QString& muster, const QString& ziel) {
    return QStringLiteral("Die Lektionen wurden\n\rvon %1 \n\rnach %2 gesichert.")
        .arg(muster, ziel);
}

QFileInfoList TDatensicherung::dateien(const QString& verzeichnis) {
    // "*.*" means every file, also one without a dot in its name.
    return QDir(verzeichnis).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
}

void TDatensicherung::fehler(const QString& text) {
    m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(), text);
}

TDatensicherung::Ergebnis TDatensicherung::sichern(const QString& quelle, const QString& ziel,
                                                   ISicherungsFortschritt* fortschritt,
                                                   bool einhaengepunkt) {
    const QFileInfo zielInfo(ziel);
    if (!zielInfo.isDir() || (einhaengepunkt && !TWechselmedien::eingehaengt(ziel))) {
        fehler(kZielFehlt.text(m_anrede).arg(zeige(ziel)));
        return Ergebnis::Fehler;
    }
    const QFileInfo quellInfo(quelle);
    if (!quellInfo.isDir() || !quellInfo.isReadable()) {
        fehler(
            QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(zeige(quellMuster(quelle))));
        return Ergebnis::Fehler;
    }
    if (quellInfo.canonicalFilePath() == zielInfo.canonicalFilePath()) {
        fehler(kZielIstQuelle.text(m_anrede).arg(zeige(ziel)));
        return Ergebnis::Fehler;
    }

    const QFileInfoList liste = dateien(quelle);
    qint64 gesamt = 0;
    for (const QFileInfo& d : liste)
        gesamt += d.size();
    if (fortschritt)
        fortschritt->beginnen(int(liste.size()), gesamt);
    const TFortschrittEnde ende{fortschritt};

    const QStringList knoepfe = {QStringLiteral("Ja"), QStringLiteral("Nein"),
                                 QStringLiteral("Alle"), QStringLiteral("Abbrechen")};
    bool alleErsetzen = false;
    qint64 erledigt = 0;
    for (int i = 0; i < liste.size(); ++i) {
        const QFileInfo& d = liste.at(i);
        const QString name = d.fileName();
        if (fortschritt && !fortschritt->stand(i, erledigt, name))
            return Ergebnis::Abgebrochen;
        const QString nach = verbinden(ziel, name);
        const QFileInfo vorhanden(nach);
        if (vorhanden.exists() || vorhanden.isSymLink()) {
            if (vorhanden.isDir()) {
                fehler(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(zeige(nach)));
                return Ergebnis::Fehler;
            }
            if (!alleErsetzen) {
                const int antwort = m_meldungen.auswahl(
                    QStringLiteral("Bestätigung"),
                    QStringLiteral("Die Datei %1 ist am Ziel bereits vorhanden.\r\nSoll sie "
                                   "ersetzt werden?")
                        .arg(zeige(nach)),
                    knoepfe);
                if (antwort == 1) {
                    erledigt += d.size();
                    continue;
                }
                if (antwort == 2)
                    alleErsetzen = true;
                else if (antwort != 0)
                    return Ergebnis::Abgebrochen;
            }
        }
        const auto weiter = [&](qint64 kopiert) {
            return !fortschritt || fortschritt->stand(i, erledigt + kopiert, name);
        };
        switch (TStrHolder::dateiKopieren(d.filePath(), nach, weiter)) {
        case TStrHolder::KopierErgebnis::Fertig:
            break;
        case TStrHolder::KopierErgebnis::Abgebrochen:
            return Ergebnis::Abgebrochen;
        case TStrHolder::KopierErgebnis::NichtLesbar:
            fehler(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(zeige(d.filePath())));
            return Ergebnis::Fehler;
        case TStrHolder::KopierErgebnis::NichtSchreibbar:
            fehler(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(zeige(nach)) +
                   QStringLiteral("\r\nEventuell ist der Datenträger voll, schreibgeschützt oder "
                                  "nicht mehr verbunden."));
            return Ergebnis::Fehler;
        }
        erledigt += d.size();
    }
    // Everything is on the target: a late click on cancel changes nothing any more.
    if (fortschritt)
        fortschritt->stand(int(liste.size()), erledigt, {});
    return Ergebnis::Gesichert;
}
