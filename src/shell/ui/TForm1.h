#pragma once

#include "editor/TEditorWerte.h"
#include "lessons/ITrainerMenues.h"
#include "shell/IProgrammFenster.h"
#include "shell/TLaufDaten.h"
#include "shell/TOptionenModell.h"
#include "shell/TPlattform.h"
#include "shell/TSchriftWahl.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class IModalDialoge;
class TFormEditor;
class TBerichtVorschau;
class TEditorDruck;
class TLektionsDruck;
class TQtFortschritt;
class THilfeFenster;
class TLernTrainer;
class TProgrammablauf;
class TTrainerSeite;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;

// The main window: toolbar with its five menus, a page area that shows the trainer page (or a
// page that takes its place) and the status bar. Start-up and shutdown are TProgrammablauf's;
// the options are TOptionenModell's, and the check marks show them.
class TForm1 : public QWidget, public ITrainerMenues, public IProgrammFenster {
    Q_OBJECT
public:
    TForm1(TPlattform plattform, IModalDialoge& dialoge, QWidget* eltern = nullptr);
    ~TForm1() override;

    TLernTrainer& trainer() { return *m_trainer; }
    TTrainerSeite& seite() { return *m_seite; }
    TProgrammablauf& ablauf() { return *m_ablauf; }
    TOptionenModell& optionen() { return m_optionen; }
    TLaufDaten& lauf() { return m_lauf; }
    TLektionsDruck& druck() { return *m_druck; }
    // The editor's print commands call these with the editor's table and directory.
    TEditorDruck& editorDruck() { return *m_editorDruck; }
    // Where pages are shown, each over the whole client area under the toolbar and status bar.
    QStackedWidget& seitenbereich() { return *m_seiten; }
    // The editor page while the editor is open, else null.
    TFormEditor* editorSeite() const { return m_editor; }

    void FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                    const QStringList& shellOrdner, const QString& ausweichVerzeichnis);
    QAction* aktion(const QString& name) const;

    // ITrainerMenues
    void setzeHistorienTitel(int nummer, const QString& titel) override;
    void setzeNetzwerkHinweis(const QString& hinweis) override;
    void setzePrivatHinweis(const QString& hinweis) override;

    // IProgrammFenster
    void fensterZeigen() override;
    void setzeTitel(const QString& titel) override;
    int bildschirmPpi() const override;
    void platzierungAnwenden(const TFensterPlatzierung& lage) override;
    TFensterPlatzierung platzierungErfassen() const override;
    void setzeMenuSchrift(const TSchriftDaten& schrift) override;
    void setzeFeldSchrift(const TSchriftDaten& schrift) override;
    void zeichenfelderVorbereiten() override;
    QStringList sonderzeichen() const override;
    void setzeSonderzeichen(const QStringList& beschriftungen) override;
    QStringList historienTitel() const override;
    void setzeBenutzerName(const QString& name) override;
    void antwortfeldZeigen() override;
    void tippsZeigen(TTippsDatei& tipps) override;
    void hilfeSchliessen() override;
    void sperren(TSperre was) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void erzeugeWerkzeugleiste();
    void erzeugeMenues();
    void erzeugeStatusleiste();
    // The menus' style sheet: the item heights and paddings, and the colour of enabled items.
    static QString menuBlatt(const QColor& farbe);
    // Gives a menu the sheet of the menu font's colour. A menu gets it when it is about to be
    // shown, before it is measured: the style sheet machinery is built when a menu first opens.
    void menuBlattSetzen(QMenu* menu) const;
    QAction* neueAktion(QMenu* menu, const char* name, const QString& text, const QString& hinweis);
    void verbinden();
    void optionenVerbinden();
    void pruefungBeendet();

    void Info1Click();
    void LernfortschrittClick();
    void SchriftartClick(TSchriftWahl::TArt art);
    void Datensicherung1Click();
    void Index1Click();
    void StatusaendernClick(int tag);
    void FormKeyDown(int taste);
    void GeladeneLektionBearbeitenClick();
    void editorVerlassen();
    void seitenAnordnen();

    TPlattform m_plattform;
    IModalDialoge& m_dialoge;
    TLaufDaten m_lauf;
    TOptionenModell m_optionen;
    std::unique_ptr<TLernTrainer> m_trainer;
    std::unique_ptr<TProgrammablauf> m_ablauf;
    std::unique_ptr<TBerichtVorschau> m_vorschau;
    std::unique_ptr<TQtFortschritt> m_fortschritt;
    std::unique_ptr<TLektionsDruck> m_druck;
    std::unique_ptr<TEditorDruck> m_editorDruck;
    QPointer<THilfeFenster> m_hilfe;
    TEditorWerte m_editorWerte;
    TFormEditor* m_editor = nullptr;
    QPointer<QWidget> m_fokusVorEditor;      // given back when the editor is left
    const QEvent* m_vorschauTaste = nullptr; // the key press the window has acted on last
    bool m_geschlossen = false;
    // A close asked for while a check runs; it is carried out when the check has ended.
    bool m_schliessenVorgemerkt = false;

    QWidget* FormPanel1 = nullptr;
    QStackedWidget* m_seiten = nullptr;
    TTrainerSeite* m_seite = nullptr;
    QFrame* toppanel = nullptr;
    QList<QToolButton*> m_knoepfe;
    QList<QMenu*> m_menues;
    QColor m_menuFarbe = Qt::black;
    QList<QAction*> m_historie;
    QFrame* RzStatusBar2 = nullptr;
    QList<QLabel*> m_statusfelder;
};
