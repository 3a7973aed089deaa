#include "editor/ui/TEditorHilfe.h"

#include "shell/ui/TBauteile.h"
#include "shell/ui/TSymbole.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using B = TBauteile;

TEditorHilfe::TEditorHilfe(QWidget* eltern) : QDialog(eltern, TBauteile::kFesterDialog) {
    setObjectName(QStringLiteral("EditorHilfe"));
    setProperty("Klasse", QStringLiteral("TEditorHilfe"));
    setWindowTitle(TBauteile::leererTitel());
    setFixedSize(532, 353);

    auto* streifen = new QWidget(this);
    streifen->setObjectName(QStringLiteral("Kopf"));
    streifen->setGeometry(0, 0, 532, 60);
    streifen->setAutoFillBackground(true);
    QPalette p = streifen->palette();
    p.setColor(QPalette::Window, Qt::white);
    streifen->setPalette(p);
    auto* bild = new QLabel(streifen);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setGeometry(16, 16, 32, 32);
    bild->setPixmap(TSymbole::info());
    B::etikett(streifen, "Label1", QStringLiteral("Hinweise zur Bedienung des Editors"),
               QRect(64, 24, 440, 20), B::schrift(QStringLiteral("Arial"), 15, true), B::kNavy);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setGeometry(20, 64, 493, 241);
    text->setFont(B::schrift(QStringLiteral("Tahoma"), 11));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(hinweise());

    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    schliessen->setObjectName(QStringLiteral("Button1"));
    schliessen->setGeometry(216, 316, 100, 25);
    schliessen->setDefault(true);
    schliessen->setAutoDefault(true);
    // Esc rejects the dialog anyway; Enter presses the default button.
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    schliessen->setFocus();
}

QString TEditorHilfe::hinweise() {
    return QStringLiteral(
        "1. Zuerst die Lektion laden, die man bearbeiten will.\n"
        "2. Diese wird in der Tabelle getrennt nach Aufgabe und Antwort angezeigt.\n"
        "3. Hinzufügen von neue Aufgaben und deren Antworten.\n"
        "4. Mit der Entertaste gelangen man vom Aufgabefeld zum Antwortfeld und so weiter.\n"
        "5. Die Entertaste im Anwortfeld fügt die Aufgabe und Anwort der Tabelle hinzu.\n"
        "6. Wenn man eine bestehende Aufgaben oder Antwort ändern wollen, markieren und "
        "bearbeiten \n"
        "    man diese. Nach der Änderung wird diese mit der Taste [Änderung überehmen] "
        "ausgetauscht.\n"
        "7. Die Aufgaben können mit den Tasten [Nach oben verschieben] bzw. \n"
        "    [Nach unten verschieben] nach Bedarf neu organisiert werden.\n"
        "8. Die Taste [Löschen] löscht nach Rückfrage die gewählte Aufgabe mit Antwort\n"
        "10.Speichern  der Lektion ... ");
}
