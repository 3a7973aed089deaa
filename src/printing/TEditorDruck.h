#pragma once

#include "printing/TBerichtLayout.h"
#include "printing/TEditorLektionsQuelle.h"
#include "printing/TLektionslistenQuelle.h"
#include "shell/TPlattform.h"

#include <QStringList>

class IBerichtVorschau;
class IFortschritt;

// The editor's two prints. The editor's menu calls them with its table and the trainer's
// lesson path; they need nothing else of the editor.
class TEditorDruck {
public:
    // `versionsZusatz` is read at every print (the start-up may still change it); it has to
    // outlive this object.
    TEditorDruck(TPlattform plattform, const QString& versionsZusatz, IBerichtVorschau& vorschau,
                 IFortschritt& fortschritt);

    TBerichtLayout frReport1; // the list of lesson files
    TBerichtLayout frReport2; // the table
    TEditorLektionsQuelle LektionsQuelle;
    TLektionslistenQuelle ListenQuelle;
    QStringList ListBox1; // the names found in the lesson directory

    // "Lektion &drucken": the rows of the editor's table in their order; `pfad` is the lesson
    // path of the trainer, shown in the header.
    void Lektiondrucken1Click(const QStringList& zeilen, const QString& pfad);
    // "Liste aller Le&ktionen drucken": every lesson file of `lektionsVerzeichnis`.
    void LektionenDruckenClick(const QString& lektionsVerzeichnis, const QString& pfad);

private:
    void information(const QString& text);
    void ausfuehren(TBerichtLayout& layout, IDatensatzQuelle& quelle);

    TPlattform m_plattform;
    const QString& m_versionsZusatz;
    IBerichtVorschau& m_vorschau;
    IFortschritt& m_fortschritt;
    bool m_laeuft = false;
};
