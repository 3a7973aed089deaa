#pragma once

#include "lessons/ITrainerAnsicht.h"
#include "shell/TPlattform.h"

#include <QWidget>

class IModalDialoge;
class TDigitalZaehler;
class TErfolgsBalken;
class TLernTrainer;
class TOptionenModell;
class TZeichenfeldTastatur;
struct TLaufDaten;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The trainer page: lesson heading, buttons, counters, question, answer, suggestions and the
// tile keyboard. It shows what TLernTrainer tells it and forwards the user's input to it.
class TTrainerSeite : public QWidget, public ITrainerAnsicht {
    Q_OBJECT
public:
    TTrainerSeite(TPlattform plattform, IModalDialoge& dialoge, const TLaufDaten& lauf,
                  const TOptionenModell& optionen, QWidget* eltern);

    // Input goes to `trainer` from now on.
    void verbinden(TLernTrainer& trainer);
    // From now on input goes nowhere; the trainer may end before the page.
    void trennen() { m_trainer = nullptr; }
    TZeichenfeldTastatur& tastatur() const { return *m_tastatur; }

    void setzeBenutzerName(const QString& name);
    void antwortfeldZeigen();
    void setzeFeldSchrift(const QFont& schrift, const QColor& farbe);
    // The host's status bar covers the page's bottom; the tile grid stays above it.
    void setzeStatusleistenHoehe(int hoehe);

    static QColor antwortFarbe(TAntwortFarbe farbe);

    // ITrainerAnsicht
    QString antwortText() const override;
    void setzeAntwortText(const QString& text) override;
    void antwortFokusUndLeeren() override;
    void antwortAllesMarkieren() override;
    int antwortEinfuegePosition() const override;
    void setzeAntwortTextUndCursor(const QString& text, int cursor) override;
    void setzeAntwortFarbe(TAntwortFarbe farbe) override;
    void setzeAufgabenTitel(const QString& titel) override;
    void setzeFrage(const QString& frage) override;
    void setzeVorschlaege(const QString& vorschlag1, const QString& vorschlag2) override;
    void setzeFehlerzahl(qint64 fehlerzahl) override;
    void setzeLektionsUeberschrift(const QString& name) override;
    void setzeLektionsHinweis(const QString& pfad) override;
    void setzeZahlDerAufgaben(const QString& text) override;
    void setzeInfoText(const QString& text) override;
    void zeigeErfolg(bool erfolg) override;
    void setzeErfolg(qint64 maximum, qint64 wert) override;
    void loesungZeigen(const QString& frage, const QString& antwort, bool lesemodus) override;
    void urteilZeigen(const QString& text) override;
    void setzeZeichenfeldHinweise(const QString& hinweis) override;
    void setzeLesemodusText(const QString& text) override;
    void zeichenfelderDrehen(int bereich) override;
    void lesemodusLayout(bool normal) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void erzeugeLinkeSpalte();
    void erzeugeAufgabenfelder();
    void FormResize();

    IModalDialoge& m_dialoge;
    TLernTrainer* m_trainer = nullptr;
    TZeichenfeldTastatur* m_tastatur = nullptr;
    int m_statusleistenHoehe = 31;

    QLabel* Lektionsueberschrift = nullptr;
    QLabel* ZahlDerAufgaben = nullptr;
    QPushButton* NaechsteAufgabeBtn = nullptr;
    QPushButton* PruefBtn = nullptr;
    TDigitalZaehler* DigitalZaehler = nullptr;
    QLabel* LoesungAnzeigenImage = nullptr;
    QLabel* ErfolgsLabel = nullptr;
    QLabel* BenutzerLabel = nullptr;
    TErfolgsBalken* ErfolgsBalken = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* BenutzerNameLabel = nullptr;
    QLabel* AktuelleInfoLabel = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* FrageLabel = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* AntwortEdit = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Vorschlag1label = nullptr;
    QLabel* Vorschlag2label = nullptr;
    QLabel* Lesetextlabel = nullptr;
    QLabel* Lesemodusaufgabelabel = nullptr;
};
