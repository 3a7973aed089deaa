#include "TFakeMeldungen.h"

void TFakeMeldungen::meldung(TMeldungsArt art, const QString& titel, const QString& text) {
    const char* name = art == TMeldungsArt::Information ? "Information"
                       : art == TMeldungsArt::Warnung   ? "Warnung"
                       : art == TMeldungsArt::Schlicht  ? "Schlicht"
                                                        : "Fehler";
    m_boxen.append({QString::fromLatin1(name), titel, text, {}});
}

bool TFakeMeldungen::frage(TFrageArt art, const QString& titel, const QString& text) {
    m_boxen.append(
        {art == TFrageArt::JaNein ? QStringLiteral("JaNein") : QStringLiteral("OkAbbrechen"),
         titel,
         text,
         {}});
    if (antworten.isEmpty()) {
        ++fehlendeAntworten;
        return false;
    }
    return antworten.dequeue();
}

int TFakeMeldungen::auswahl(const QString& titel, const QString& text, const QStringList& knoepfe) {
    m_boxen.append({QStringLiteral("Auswahl"), titel, text, {}, knoepfe});
    if (auswahlen.isEmpty()) {
        ++fehlendeAntworten;
        return int(knoepfe.size()) - 1;
    }
    return auswahlen.dequeue();
}

bool TFakeMeldungen::texteingabe(const QString& titel, const QString& aufforderung, QString& wert) {
    m_boxen.append({QStringLiteral("Eingabe"), titel, aufforderung, {}});
    if (eingaben.isEmpty()) {
        ++fehlendeAntworten;
        return false;
    }
    const QString antwort = eingaben.dequeue();
    if (antwort.isNull())
        return false;
    wert = antwort;
    return true;
}

QString TFakeMeldungen::dateiOeffnen(const TDateiDialog& dialog) {
    m_boxen.append({QStringLiteral("Oeffnen"), dialog.titel, {}, dialog});
    if (dateien.isEmpty()) {
        ++fehlendeAntworten;
        return {};
    }
    return dateien.dequeue();
}

QString TFakeMeldungen::dateiSpeichern(const TDateiDialog& dialog) {
    m_boxen.append({QStringLiteral("Speichern"), dialog.titel, {}, dialog});
    if (dateien.isEmpty()) {
        ++fehlendeAntworten;
        return {};
    }
    return dateien.dequeue();
}

QString TFakeMeldungen::ordnerWaehlen(const QString& titel, const QString& hinweis,
                                      const QString& start) {
    TDateiDialog dialog;
    dialog.verzeichnis = start;
    m_boxen.append({QStringLiteral("Ordner"), titel, hinweis, dialog});
    if (dateien.isEmpty()) {
        ++fehlendeAntworten;
        return {};
    }
    return dateien.dequeue();
}

TFakeMeldungen::TBox TFakeMeldungen::nimm() {
    if (m_boxen.isEmpty())
        return {};
    return m_boxen.takeFirst();
}
