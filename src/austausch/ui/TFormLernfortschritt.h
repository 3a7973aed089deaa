#pragma once

#include "austausch/TLernfortschritt.h"

#include <QDialog>

class IBerichtModul;
class IFortschrittsDiagramm;
class IMeldungen;
class TBerichtVorschau;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;

// The learning progress: each lesson's success rate over time from the evaluation log, over
// the five verdict bands, and a table of its runs. It only reads the log.
class TFormLernfortschritt : public QDialog {
    Q_OBJECT
public:
    // `modul` draws the chart; `vorschau`: null when printing is locked.
    TFormLernfortschritt(const QStringList& log, const QLocale& gebiet,
                         TLernfortschritt::TAufgabenZahl aufgabenZahl, IMeldungen& meldungen,
                         IBerichtModul& modul, TBerichtVorschau* vorschau,
                         QWidget* eltern = nullptr);

    const TAuswertungsInhalt& inhalt() const { return m_inhalt; }
    const QList<TLektionsVerlauf>& verlaeufe() const { return m_verlaeufe; }
    // The chart object (a QChart), for checks.
    QObject* diagramm() const;

    void aktualisieren();
    void DiagrammSpeichernBtnClick();
    void DiagrammDruckenBtnClick();
    // The chart on any painter, scaled into `ziel`.
    void diagrammMalen(QPainter& maler, const QRectF& ziel);
    QByteArray alsPng();
    QByteArray alsPdf();

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void FormResize();
    void tabelleFuellen();
    void diagrammFuellen();

    TAuswertungsInhalt m_inhalt;
    TLernfortschritt::TAufgabenZahl m_aufgabenZahl;
    IMeldungen& m_meldungen;
    TBerichtVorschau* m_vorschau;
    QList<TLektionsVerlauf> m_verlaeufe;

    QComboBox* BenutzerAuswahl = nullptr;
    QComboBox* LektionsAuswahl = nullptr;
    IFortschrittsDiagramm* FortschrittsDiagramm = nullptr;
    QTableWidget* FortschrittsTabelle = nullptr;
    QLabel* HinweisLabel = nullptr;
    QLabel* BenutzerLabel = nullptr;
    QLabel* LektionLabel = nullptr;
    QPushButton* DiagrammSpeichernBtn = nullptr;
    QPushButton* DiagrammDruckenBtn = nullptr;
    QPushButton* SchliessenBtn = nullptr;
};
