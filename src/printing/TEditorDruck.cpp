#include "printing/TEditorDruck.h"

#include "printing/IBerichtVorschau.h"
#include "printing/TBerichtAufbereitung.h"
#include "printing/TBerichtVorlagen.h"

TEditorDruck::TEditorDruck(TPlattform plattform, const QString& versionsZusatz,
                           IBerichtVorschau& vorschau, IFortschritt& fortschritt)
    : frReport1(TBerichtVorlagen::lektionsListe()),
      frReport2(TBerichtVorlagen::lektionsBericht(true)), LektionsQuelle(versionsZusatz),
      ListenQuelle(versionsZusatz, plattform.uhr.gebietsschema()), m_plattform(plattform),
      m_versionsZusatz(versionsZusatz), m_vorschau(vorschau), m_fortschritt(fortschritt) {}

void TEditorDruck::information(const QString& text) {
    m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"), text);
}

void TEditorDruck::ausfuehren(TBerichtLayout& layout, IDatensatzQuelle& quelle) {
    m_laeuft = true;
    const auto bericht = TBerichtAufbereitung::vorbereiten(layout, quelle, &m_fortschritt);
    if (bericht)
        m_vorschau.zeigen(*bericht);
    m_laeuft = false;
}

void TEditorDruck::Lektiondrucken1Click(const QStringList& zeilen, const QString& pfad) {
    if (m_laeuft)
        return;
    // A table without rows has no record to give: answered like the editor's other commands
    // without a lesson, instead of a report of empty pages.
    if (zeilen.isEmpty()) {
        information(QStringLiteral("Es wurde noch keine Lektion geladen."));
        return;
    }
    LektionsQuelle.VersionsZusatz = m_versionsZusatz;
    LektionsQuelle.fuellen(zeilen, pfad);
    frReport2.Titel = QStringLiteral(" Lektion");
    ausfuehren(frReport2, LektionsQuelle);
}

void TEditorDruck::LektionenDruckenClick(const QString& lektionsVerzeichnis, const QString& pfad) {
    if (m_laeuft)
        return;
    ListBox1 = TLektionslistenQuelle::lektionenSuchen(lektionsVerzeichnis);
    if (ListBox1.isEmpty()) {
        information(QStringLiteral("Es wurde im Lektionsverzeichnis keine Lektionen gefunden."));
        return;
    }
    ListenQuelle.VersionsZusatz = m_versionsZusatz;
    ListenQuelle.Gebietsschema = m_plattform.uhr.gebietsschema();
    ListenQuelle.fuellen(ListBox1, lektionsVerzeichnis, pfad);
    frReport1.Titel = QStringLiteral(" Liste aller Lektion");
    ausfuehren(frReport1, ListenQuelle);
}
