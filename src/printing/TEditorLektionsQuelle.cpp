#include "printing/TEditorLektionsQuelle.h"

#include "printing/TBerichtLayout.h"
#include "shell/TTexte.h"

TEditorLektionsQuelle::TEditorLektionsQuelle(const QString& versionsZusatz)
    : VersionsZusatz(versionsZusatz) {}

void TEditorLektionsQuelle::fuellen(const QStringList& zeilen, const QString& pfad) {
    StrHolderReport2 = zeilen;
    Pfad = pfad;
    m_anzahl = static_cast<int>(zeilen.size());
}

void TEditorLektionsQuelle::erster(TBerichtLayout& layout) {
    if (StrHolderReport2.size() < m_anzahl)
        return; // the first record has been taken already
    datensatz(layout);
}

void TEditorLektionsQuelle::datensatz(TBerichtLayout& layout) {
    if (StrHolderReport2.isEmpty())
        return;
    const QString zeile = StrHolderReport2.takeFirst();
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    layout.setzeText(QStringLiteral("Memo1"), TTexte::produktName() + VersionsZusatz);
    layout.setzeText(QStringLiteral("Memo8"), QStringLiteral("Gesamte Lektion drucken..."));
    layout.setzeText(QStringLiteral("LektionsMemo"), Pfad);
    layout.setzeText(QStringLiteral("IndexMemo"),
                     QString::number(m_anzahl - StrHolderReport2.size()));
    layout.setzeText(QStringLiteral("AufgabeMemo"), trenner < 0 ? zeile : zeile.mid(trenner + 1));
    layout.setzeText(QStringLiteral("AntwortMemo"), trenner < 0 ? QString() : zeile.left(trenner));
}
