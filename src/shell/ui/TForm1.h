#pragma once

#include "lessons/ITrainerAnsicht.h"
#include "lessons/TLernTrainer.h"
#include "shell/TPlattform.h"
#include "shell/TSchriftDaten.h"
#include "shell/TVerzeichnisse.h"

#include <QPointer>

#include <QList>
#include <QWidget>

class IModalDialoge;
class THilfeFenster;
class TDigitalZaehler;
class TErfolgsBalken;
class TSonderform;
class TZeichenfeld;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// The main window: toolbar with its five menus, the trainer page and the status bar. It shows
// what TLernTrainer tells it and forwards every user event to it.
class TForm1 : public QWidget, public ITrainerAnsicht {
    Q_OBJECT
public:
    TForm1(TPlattform plattform, IModalDialoge& dialoge, QWidget* eltern = nullptr);
    ~TForm1() override;

    TLernTrainer& trainer() { return m_trainer; }
    const TVerzeichnisse& verzeichnisse() const { return m_verzeichnisse; }

    // The start-up sequence, with the window on screen; ends with the name prompt.
    void FormCreate(const QString& programmVerzeichnis, bool netzwerkmodus,
                    const QStringList& shellOrdner, const QString& ausweichVerzeichnis);
    void EinstellungenLaden(const QString& pfad);
    void MenuSchriftSetzen(const TSchriftDaten& schrift);
    void FeldSchriftSetzen(const TSchriftDaten& schrift);
    // Asks before the window may close; then the placement is written.
    bool FormCloseQuery();
    void FormClose();
    // The history captions as they stand in the menu.
    QStringList historienTitel() const;
    QStringList sonderzeichen() const; // captions of tiles 79 to 91
    QAction* aktion(const QString& name) const;

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
    void setzeHistorienTitel(int nummer, const QString& titel) override;
    void zeigeErfolg(bool erfolg) override;
    void setzeErfolg(qint64 maximum, qint64 wert) override;
    void loesungZeigen(const QString& frage, const QString& antwort, bool lesemodus) override;
    void urteilZeigen(const QString& text) override;
    void setzeZeichenfeldHinweise(const QString& hinweis) override;
    void setzeLesemodusText(const QString& text) override;
    void zeichenfelderDrehen(int bereich) override;
    void lesemodusLayout(bool normal) override;
    void setzeNetzwerkHinweis(const QString& hinweis) override;
    void setzePrivatHinweis(const QString& hinweis) override;

    static QColor antwortFarbe(TAntwortFarbe farbe);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void erzeugeWerkzeugleiste();
    void erzeugeMenues();
    void erzeugeTrainerSeite();
    void erzeugeZeichenfelder();
    void erzeugeStatusleiste();
    QAction* neueAktion(QMenu* menu, const char* name, const QString& text, const QString& hinweis);
    void optionenAnzeigen();
    void verbinden();

    void btn6Click();
    void Info1Click();
    // Tile keyboard
    void RzLabel1Click(TZeichenfeld* feld);
    void RzLabel79MouseDown(TZeichenfeld* feld);
    void Sonderzeichen1Click();
    void TastenmitSonderzeichenbelegen1Click();
    void StatusaendernClick(int tag);
    void AlphabetAufsteigend();
    void AlphabetAbsteigend();
    void FormResize();
    void Index1Click();
    void TippsTricks1Click();
    void Homepage1Click();
    void TippsBeimStart();
    void tippsZeigen();
    void ZeichenfelderVorbereiten();
    void speicherFehler();
    void namenErfragen();
    void Ton1Click();
    void PopupHilfeanzeigen1Click();
    void KeineFarbeimAusdruck1Click();
    void AntwortbeiderEingabeprfen1Click();
    void AnredemitDU1Click();
    void FormKeyDown(int taste);

    TPlattform m_plattform;
    IModalDialoge& m_dialoge;
    TLernTrainer m_trainer;
    TVerzeichnisse m_verzeichnisse;
    QString m_tippsDatei; // empty: no tips file
    QPointer<THilfeFenster> m_hilfe;
    bool m_geschlossen = false;
    TSonderform* Sonderform = nullptr;
    QMenu* PopupMenuSonderzeichen = nullptr;
    TZeichenfeld* m_gewaehltesFeld = nullptr; // GewaehltesFeld
    QPoint m_pickerPosition;
    bool m_editorOffen = false; // the lesson editor hosted in the page

    QWidget* FormPanel1 = nullptr;
    QFrame* toppanel = nullptr;
    QList<QToolButton*> m_knoepfe;
    QMenu* LektionenPopup = nullptr;
    QMenu* FehlerPopUp = nullptr;
    QMenu* ArbeitsblattPopup = nullptr;
    QMenu* EinstellungPopupMenu = nullptr;
    QMenu* HilfePopup = nullptr;
    QList<QAction*> m_historie;

    QLabel* Lektionsueberschrift = nullptr;
    QLabel* ZahlDerAufgaben = nullptr;
    QPushButton* NaechsteAufgabeBtn = nullptr;
    QPushButton* PruefBtn = nullptr;
    TDigitalZaehler* DigitalZaehler = nullptr;
    QLabel* LoesungAnzeigenImage = nullptr;
    QLabel* ErfolgsLabel = nullptr;
    QLabel* BenutzerLabel = nullptr;
    TErfolgsBalken* ErfolgsBalken = nullptr;
    QFrame* Shape2 = nullptr;
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
    QList<TZeichenfeld*> m_zeichenfelder;
    QFrame* RzStatusBar2 = nullptr;
    QList<QLabel*> m_statusfelder;
};
