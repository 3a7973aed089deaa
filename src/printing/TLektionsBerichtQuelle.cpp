#include "printing/TLektionsBerichtQuelle.h"

#include "lessons/TLektion.h"
#include "printing/TBerichtLayout.h"
#include "printing/TBerichtVorlagen.h"
#include "shell/IWarten.h"
#include "shell/IZufall.h"
#include "shell/TOptionenModell.h"
#include "shell/TTexte.h"

namespace {

// Answer before the first ";", question after it, both as they stand.
void zerlegen(const QString& zeile, QString& frage, QString& antwort) {
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    if (trenner < 0) {
        antwort.clear();
        frage = zeile;
        return;
    }
    antwort = zeile.left(trenner);
    frage = zeile.mid(trenner + 1);
}

} // namespace

TLektionsBerichtQuelle::TLektionsBerichtQuelle(const TLektion& lektion,
                                               const TOptionenModell& optionen,
                                               const QString& versionsZusatz, IWarten& warten,
                                               IZufall& zufall)
    : m_lektion(lektion), m_optionen(optionen), m_versionsZusatz(versionsZusatz), m_warten(warten),
      m_zufall(zufall) {}

void TLektionsBerichtQuelle::fuellen() {
    m_anzahl = static_cast<int>(m_lektion.StrHolderLektion.size());
    StrHolderIndex.clear();
    StrHolderIndex.reserve(m_anzahl);
    for (int i = 0; i < m_anzahl; ++i)
        StrHolderIndex.append(QString::number(i));
    StrHolderReport = m_lektion.StrHolderLektion;
}

void TLektionsBerichtQuelle::frUserDataset2First(TBerichtLayout& layout) {
    // Asked again for the first record: it has been taken already.
    if (StrHolderIndex.size() < m_anzahl)
        return;
    datensatz(layout, true);
}

void TLektionsBerichtQuelle::frUserDataset2Next(TBerichtLayout& layout) {
    m_warten.warten(37);
    datensatz(layout, false);
}

void TLektionsBerichtQuelle::datensatz(TBerichtLayout& layout, bool erster) {
    if (StrHolderIndex.isEmpty())
        return; // never more records than lines
    m_zufall.neuSaeen();
    const int a = m_zufall.ziehen(static_cast<int>(StrHolderIndex.size()));
    const int b = StrHolderIndex.at(a).toInt();
    QString frage, antwort;
    zerlegen(StrHolderReport.value(b), frage, antwort);

    using V = TBerichtVorlagen;
    const bool konzept = m_optionen.werte().OhneFarbeDrucken;
    const TBerichtFarbe grund = konzept ? V::kWeiss : V::kSchwarz;
    const TBerichtFarbe schrift = konzept ? V::kSchwarz : V::kWeiss;
    if (erster) {
        layout.setzeFarben(QStringLiteral("Memo1"), konzept ? V::kWeiss : V::kNavy, schrift);
        if (TBerichtObjekt* zeile = layout.objekt(QStringLiteral("Memo2")))
            zeile->ungeradeFarbe = konzept ? V::kWeiss : V::kGelb;
    }
    layout.setzeText(QStringLiteral("Memo1"), TTexte::produktName() + m_versionsZusatz);
    layout.setzeText(QStringLiteral("Memo8"), ArbeitsblattDruck
                                                  ? QStringLiteral("Arbeitblatt drucken...")
                                                  : QStringLiteral("Gesamte Lektion drucken..."));
    layout.setzeText(QStringLiteral("LektionsMemo"), m_lektion.Pfad);
    layout.setzeText(QStringLiteral("IndexMemo"), QString::number(b));
    layout.setzeText(QStringLiteral("AufgabeLabel"), QStringLiteral("Aufgabe"));
    layout.setzeText(QStringLiteral("AntwortLabel"), QStringLiteral("Antwort"));
    for (const char* name : {"IndexMemo", "AufgabeLabel", "AntwortLabel"})
        layout.setzeFarben(QString::fromLatin1(name), grund, schrift);
    layout.setzeText(QStringLiteral("AufgabeMemo"), frage);
    layout.setzeText(QStringLiteral("AntwortMemo"),
                     ArbeitsblattDruck ? QStringLiteral(" ") : antwort);
    if (m_optionen.werte().Lesemodus) {
        layout.setzeText(QStringLiteral("AufgabeLabel"), QStringLiteral("Vorschlag 1"));
        layout.setzeText(QStringLiteral("AntwortLabel"), QStringLiteral("Vorschlag 2"));
        m_zufall.neuSaeen();
        const bool getauscht = m_zufall.ziehen(2) == 1;
        layout.setzeText(QStringLiteral("AufgabeMemo"), getauscht ? antwort : frage);
        layout.setzeText(QStringLiteral("AntwortMemo"), getauscht ? frage : antwort);
    }
    StrHolderIndex.removeAt(a);
}
