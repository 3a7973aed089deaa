#include "shell/ui/TQtMeldungen.h"

#include "shell/ui/TModalLauf.h"

#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

namespace {

// A text comes with its own line breaks; the box makes room for its longest line rather than
// breaking it again and leaving a word on a line of its own.
void zeilenLassen(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics masse(label->font());
    int breitest = 0;
    for (const QString& zeile :
         box.text().split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n"))))
        breitest = qMax(breitest, masse.horizontalAdvance(zeile));
    const QScreen* bildschirm = box.screen();
    const int grenze = bildschirm ? bildschirm->availableGeometry().width() * 4 / 5 : 1000;
    label->setMinimumWidth(qMin(breitest + 8, grenze));
}

bool istMuster(const QString& name) {
    return name.contains(u'*') || name.contains(u'?');
}

} // namespace

TQtMeldungen::TQtMeldungen(QWidget* eltern) : eltern_(eltern) {}

void TQtMeldungen::meldung(TMeldungsArt art, const QString& titel, const QString& text) {
    QMessageBox::Icon symbol = QMessageBox::Information;
    if (art == TMeldungsArt::Warnung)
        symbol = QMessageBox::Warning;
    else if (art == TMeldungsArt::Fehler)
        symbol = QMessageBox::Critical;
    else if (art == TMeldungsArt::Schlicht)
        symbol = QMessageBox::NoIcon;
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, eltern_);
    zeilenLassen(box);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    TModalLauf::ausfuehren(box);
}

bool TQtMeldungen::frage(TFrageArt art, const QString& titel, const QString& text) {
    const bool jaNein = art == TFrageArt::JaNein;
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern_);
    zeilenLassen(box);
    QPushButton* ja =
        box.addButton(jaNein ? QStringLiteral("Ja") : QStringLiteral("OK"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(jaNein ? QStringLiteral("Nein") : QStringLiteral("Abbrechen"),
                                      QMessageBox::NoRole);
    box.setDefaultButton(ja);
    // Escape and the close button count as the negative answer.
    box.setEscapeButton(nein);
    TModalLauf::ausfuehren(box);
    return box.clickedButton() == ja;
}

int TQtMeldungen::auswahl(const QString& titel, const QString& text, const QStringList& knoepfe) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern_);
    zeilenLassen(box);
    QList<QPushButton*> liste;
    for (const QString& k : knoepfe)
        liste.append(box.addButton(k, QMessageBox::ActionRole));
    if (liste.isEmpty())
        return -1;
    box.setDefaultButton(liste.constFirst());
    box.setEscapeButton(liste.constLast());
    TModalLauf::ausfuehren(box);
    const auto gedrueckt = liste.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return gedrueckt < 0 ? int(liste.size()) - 1 : int(gedrueckt);
}

bool TQtMeldungen::texteingabe(const QString& titel, const QString& aufforderung, QString& wert) {
    QInputDialog dialog(eltern_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(titel);
    dialog.setLabelText(aufforderung);
    dialog.setTextValue(wert);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (TModalLauf::ausfuehren(dialog) != QDialog::Accepted)
        return false;
    wert = dialog.textValue();
    return true;
}

QString TQtMeldungen::dateiOeffnen(const TDateiDialog& dialog) {
    return dateiDialog(dialog, false);
}

QString TQtMeldungen::dateiSpeichern(const TDateiDialog& dialog) {
    return dateiDialog(dialog, true);
}

QString TQtMeldungen::ordnerWaehlen(const QString& titel, const QString& hinweis,
                                    const QString& start) {
    QFileDialog dialog(eltern_, titel, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Our own dialog, so that the instruction can stand above the folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, hinweis);
    if (TModalLauf::ausfuehren(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList TQtMeldungen::namensfilter(const QString& filter) {
    QStringList ergebnis;
    const QStringList teile = filter.split(u'|');
    for (qsizetype i = 0; i < teile.size(); i += 2) {
        const QString beschreibung = teile[i].trimmed();
        if (i + 1 >= teile.size()) {
            if (!beschreibung.isEmpty())
                ergebnis.append(beschreibung);
            break;
        }
        // Qt separates patterns by blanks, not semicolons; "*.*" means every file here.
        QStringList muster = teile[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& m : muster) {
            m = m.trimmed();
            if (m == QStringLiteral("*.*"))
                m = QStringLiteral("*");
        }
        muster.removeAll(QString());
        if (muster.isEmpty())
            muster.append(QStringLiteral("*"));
        const QString liste = muster.join(u' ');
        // Qt takes the patterns from the trailing parentheses, so they must be the real ones.
        const qsizetype klammer = beschreibung.lastIndexOf(u'(');
        QString name;
        if (klammer >= 0 && beschreibung.endsWith(u')')) {
            QString angezeigt = beschreibung.mid(klammer + 1, beschreibung.size() - klammer - 2);
            angezeigt.replace(u';', u' ');
            angezeigt = angezeigt.simplified();
            angezeigt.replace(QStringLiteral("*.*"), QStringLiteral("*"));
            if (angezeigt == liste)
                name = beschreibung.left(klammer) + u'(' + liste + u')';
        }
        if (name.isEmpty())
            name =
                beschreibung.isEmpty() ? liste : beschreibung + QStringLiteral(" (") + liste + u')';
        ergebnis.append(name);
    }
    return ergebnis;
}

QString TQtMeldungen::endung(const QString& standardEndung) {
    QString e = standardEndung.trimmed();
    if (e.startsWith(QStringLiteral("*.")))
        e = e.mid(2);
    else if (e.startsWith(u'.'))
        e = e.mid(1);
    return istMuster(e) ? QString() : e;
}

QString TQtMeldungen::dateiDialog(const TDateiDialog& dialog, bool speichern) {
    QFileDialog fenster(eltern_);
    // Left unset, the dialog shows its own title for opening or saving.
    if (!dialog.titel.isEmpty())
        fenster.setWindowTitle(dialog.titel);
    fenster.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fenster.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The callers ask themselves before replacing a file.
    if (speichern)
        fenster.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!dialog.verzeichnis.isEmpty())
        fenster.setDirectory(dialog.verzeichnis);
    const QStringList filter = namensfilter(dialog.filter);
    if (!filter.isEmpty()) {
        fenster.setNameFilters(filter);
        // The dialog shows its filters with blanks simplified; show them as the program words
        // them. Only the shown text changes, the filtering still takes the list above.
        if (auto* typen = fenster.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            for (int i = 0; i < typen->count() && i < filter.size(); ++i)
                typen->setItemText(i, filter.at(i));
        }
    }
    const QString endungOhneStern = endung(dialog.standardEndung);
    if (!endungOhneStern.isEmpty())
        fenster.setDefaultSuffix(endungOhneStern);
    // A pattern such as "*.txt" stands in the name field; accepting it filters by it.
    if (!dialog.vorgabeName.isEmpty())
        fenster.selectFile(dialog.vorgabeName);
    if (TModalLauf::ausfuehren(fenster) != QDialog::Accepted)
        return QString();
    return fenster.selectedFiles().value(0);
}
