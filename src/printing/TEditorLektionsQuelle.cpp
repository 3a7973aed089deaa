#include "printing/TEditorLektionsQuelle.h"

#include "printing/TBerichtLayout.h"
#include "shell/TTexte.h"

TEditorLektionsQuelle::TEditorLektionsQuelle(const QString& versionsZusatz)
    : VersionsZusatz(versionsZusatz) {}

void TEditorLektionsQuelle::fuellen(const QStringList& zeilen, const QString& pfad) {
    StrHolderReport2 = zeilen;
    Pfad = pfad;
    beginnen();
}

void TEditorLektionsQuelle::setzen(TBerichtLayout& layout, const QString& zeile, int nummer) {
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    layout.setzeText(QStringLiteral("Memo1"), TTexte::produktName() + VersionsZusatz);
    layout.setzeText(QStringLiteral("Memo8"), QStringLiteral("Gesamte Lektion drucken..."));
    layout.setzeText(QStringLiteral("LektionsMemo"), Pfad);
    layout.setzeText(QStringLiteral("IndexMemo"), QString::number(nummer));
    layout.setzeText(QStringLiteral("AufgabeMemo"), trenner < 0 ? zeile : zeile.mid(trenner + 1));
    layout.setzeText(QStringLiteral("AntwortMemo"), trenner < 0 ? QString() : zeile.left(trenner));
}
