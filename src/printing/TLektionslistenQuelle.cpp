#include "printing/TLektionslistenQuelle.h"

#include "printing/TBerichtLayout.h"
#include "shell/TTexte.h"

#include <QDir>
#include <QFileInfo>

TLektionslistenQuelle::TLektionslistenQuelle(const QString& versionsZusatz,
                                             const QLocale& gebietsschema)
    : VersionsZusatz(versionsZusatz), Gebietsschema(gebietsschema) {}

QStringList TLektionslistenQuelle::lektionenSuchen(const QString& verzeichnis) {
    // The name filter ignores case, as the lesson dialogs do; hidden files count as well.
    // The system's listing has no order of its own here, so the names are sorted.
    const QDir ordner(verzeichnis.isEmpty() ? QStringLiteral(".") : verzeichnis);
    return ordner.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden,
                            QDir::Name | QDir::IgnoreCase);
}

void TLektionslistenQuelle::fuellen(const QStringList& namen, const QString& verzeichnis,
                                    const QString& pfad) {
    StrHolderLektionen = namen;
    Verzeichnis = verzeichnis;
    Pfad = pfad;
    beginnen();
}

void TLektionslistenQuelle::setzen(TBerichtLayout& layout, const QString& name, int nummer) {
    const QFileInfo datei(QDir(Verzeichnis).filePath(name));
    const bool da = datei.isFile();
    layout.setzeText(QStringLiteral("Memo1"), TTexte::produktName() + VersionsZusatz);
    layout.setzeText(QStringLiteral("Memo8"), QStringLiteral("Liste aller Lektionen drucken..."));
    layout.setzeText(QStringLiteral("LektionsMemo"), Pfad);
    layout.setzeText(QStringLiteral("MemoNr"), QString::number(nummer));
    layout.setzeText(QStringLiteral("MemoDateiname"), name);
    layout.setzeText(QStringLiteral("MemoGroesse"),
                     QString::number(da ? datei.size() : -1) + QStringLiteral(" Byte"));
    // A file that has gone has no date to show.
    layout.setzeText(QStringLiteral("MemoDatum"),
                     da ? Gebietsschema.toString(datei.lastModified().date(), QLocale::ShortFormat)
                        : QString());
}
