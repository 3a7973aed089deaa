#pragma once

#include "editor/IEditorAnsicht.h"
#include "editor/TEditor.h"

#include <QWidget>

class IModalDialoge;
class TEditorDruck;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

// The editor page: its toolbar, the upper panel with the two fields and the lower panel with
// the table. It fills the main window's page area while the editor is open; what the commands
// do is TEditor's.
class TFormEditor : public QWidget, public IEditorAnsicht {
    Q_OBJECT
public:
    TFormEditor(TPlattform plattform, IModalDialoge& dialoge, TEditorDruck& druck,
                const TLaufDaten& lauf, const TOptionenModell& optionen, TEditorWerte& werte,
                const TLektion& trainerLektion, QWidget* eltern = nullptr);

    TEditor& editor() { return m_editor; }

    void FormShow();
    void LMDSpeedButton1Click();

    // IEditorAnsicht
    QString frageText() const override;
    QString antwortText() const override;
    void setzeFelder(const QString& frage, const QString& antwort) override;
    void tabelleFokussieren() override;
    void frageFokussieren() override;
    void antwortFokussieren() override;
    void setzeGeladeneLektion(const QString& text) override;
    void setzeInfoText(const QString& text) override;
    void setzeAufgabenNr(const QString& text) override;

signals:
    // "&Editor verlassen" was confirmed; the host removes the page.
    void verlassen();

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void erzeugeWerkzeugleiste();
    void erzeugeObereTafel();
    void erzeugeUntereTafel();
    void verbinden();
    void FormResize();
    void auswahlZeigen(int zeile);

    TPlattform m_plattform;
    IModalDialoge& m_dialoge;
    TEditorDruck& m_druck;
    const TLaufDaten& m_lauf;
    const TLektion& m_trainerLektion;
    TEditor m_editor;
    bool m_auswahlSetzen = false; // the view follows the model; that is no click

    QFrame* toppanel = nullptr;
    QList<QToolButton*> m_knoepfe;
    QMenu* EditorLektionPopup = nullptr;
    QMenu* GridPopupMenu = nullptr;
    QFrame* LMDSimplePanel2 = nullptr;
    QFrame* LMDSimplePanel1 = nullptr;
    QLabel* GeladeneLektion = nullptr;
    QLabel* AktuelleInfoLabel = nullptr;
    QLabel* AufgabenNrLabel = nullptr;
    QLineEdit* lmdedit1 = nullptr;
    QLineEdit* lmdedit2 = nullptr;
    QTableView* LMDListBox1 = nullptr;
};
