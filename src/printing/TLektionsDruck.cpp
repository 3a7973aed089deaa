#include "printing/TLektionsDruck.h"

#include "lessons/ITrainerAnsicht.h"
#include "lessons/TAnredeText.h"
#include "lessons/TLernTrainer.h"
#include "printing/IBerichtVorschau.h"
#include "printing/TBerichtAufbereitung.h"
#include "printing/TBerichtVorlagen.h"

namespace {

const TAnredeText kUnbeantwortet = {"Wenn Sie fortfahren, werden die noch unbeantworteten Aufgaben",
                                    "Wenn Du fortfährst, werden die noch unbeantworteten Aufgaben"};

} // namespace

TLektionsDruck::TLektionsDruck(TLernTrainer& trainer, ITrainerAnsicht& ansicht,
                               TPlattform plattform, IBerichtVorschau& vorschau,
                               IFortschritt& fortschritt)
    : frReport2(TBerichtVorlagen::lektionsBericht(false)),
      Quelle(trainer.Lektion, trainer.Optionen, trainer.Lauf.Verzeichnisse.VersionsZusatz,
             plattform.warten, plattform.zufall),
      m_trainer(trainer), m_ansicht(ansicht), m_plattform(plattform), m_vorschau(vorschau),
      m_fortschritt(fortschritt) {}

void TLektionsDruck::LektionsReportClick(int tag) {
    // The pauses while a page is prepared let other clicks through; one print at a time, and
    // none while a check is deciding about the current exercise.
    if (m_laeuft || m_trainer.Sitzung.PruefungLaeuft)
        return;
    auto information = [this](const QString& text) {
        m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                      text);
    };
    if (m_trainer.Optionen.werte().Lesemodus && tag == 1) {
        information(QStringLiteral("Im Lesemodus können nur Arbeitsblätter gedruckt werden!"));
        return;
    }
    if (!m_trainer.Lektion.StrHolderLektionRest.isEmpty()) {
        const QString text = QStringLiteral("Die Lektion wurde noch nicht vollständig "
                                            "bearbeitet.\r\n") +
                             kUnbeantwortet.text(m_trainer.Optionen.AnredeIndex()) +
                             QStringLiteral("\r\nals unbeantwortet in die Fehlerliste übernommen.");
        if (!m_plattform.meldungen.frage(TFrageArt::OkAbbrechen, QStringLiteral("Bestätigung"),
                                         text))
            return;
        restUebernehmen();
    }
    Quelle.ArbeitsblattDruck = tag == 2;
    LektionsReportStarten();
}

void TLektionsDruck::restUebernehmen() {
    TLernSitzung& sitzung = m_trainer.Sitzung;
    if (sitzung.RestUebernommen)
        return;
    const QStringList& rest = m_trainer.Lektion.StrHolderLektionRest;
    for (qsizetype i = 0; i < rest.size(); ++i)
        m_ansicht.setzeFehlerzahl(++sitzung.Fehlerzahl);
    sitzung.StrHolderFehler.append(rest);
    sitzung.RestUebernommen = true;
}

void TLektionsDruck::LektionsReportStarten() {
    if (!m_trainer.Lektion.LektionGeladen()) {
        m_plattform.meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                                      QStringLiteral("Es wurde noch keine Lektion geladen."));
        return;
    }
    m_laeuft = true;
    Quelle.fuellen();
    frReport2.Titel =
        Quelle.ArbeitsblattDruck ? QStringLiteral(" Aufgabenblatt") : QStringLiteral(" Lektion");
    const auto bericht = TBerichtAufbereitung::vorbereiten(frReport2, Quelle, &m_fortschritt);
    if (bericht)
        m_vorschau.zeigen(*bericht);
    m_laeuft = false;
}
