#pragma once

#include "shell/TSchriftDaten.h"

#include <QDialog>
#include <optional>

class IMeldungen;
class IModalDialoge;
class QFrame;
class QLabel;
class QTableWidget;
class QTextEdit;
class TSchriftDialog;

// The font window: the font dialog, a table of the 256 characters of the code page with a
// magnifier, and a sample text that takes the chosen font where it is selected.
class TfrmLMDFontForm : public QDialog {
    Q_OBJECT
public:
    TfrmLMDFontForm(const TSchriftDaten& start, IMeldungen& meldungen, int anredeIndex,
                    QWidget* eltern);

    // Shows the window modally; the font chosen with "&Ok", or nothing when it was cancelled.
    static std::optional<TSchriftDaten> waehlen(IModalDialoge& dialoge, IMeldungen& meldungen,
                                                int anredeIndex, const TSchriftDaten& start,
                                                QWidget* eltern);

    TSchriftDaten schrift() const;
    // The magnifier while a mouse button is held on a cell, else null.
    QLabel* lupe() const { return m_lupe; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FontDialogChange();
    void FontDialogApply();
    void FontDialogOk();
    void RichEditSelectionChange();
    void tabellenSchrift(const TSchriftDaten& schrift);
    void StringGrid1MouseDown(const QPoint& punkt);
    void lupeEntfernen();
    void StringGrid1DblClick(const QPoint& punkt);

    IMeldungen& m_meldungen;
    int m_anrede;

    TSchriftDialog* FontDialog = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QTextEdit* RichEdit = nullptr;
    QLabel* m_lupe = nullptr;
};
