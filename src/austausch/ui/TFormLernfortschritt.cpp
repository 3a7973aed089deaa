#include "austausch/ui/TFormLernfortschritt.h"

#include "lessons/TStrHolder.h"
#include "printing/ui/TBerichtVorschau.h"
#include "shell/IMeldungen.h"
#include "shell/TTexte.h"
#include "shell/berichtmodul/IBerichtModul.h"
#include "shell/ui/TBauteile.h"

#include <QBuffer>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString kAlleBenutzer = QStringLiteral("Alle Benutzer");
const QString kAlleLektionen = QStringLiteral("Alle Lektionen");
constexpr int kTabellenHoehe = 150;

} // namespace

TFormLernfortschritt::TFormLernfortschritt(const QStringList& log, const QLocale& gebiet,
                                           TLernfortschritt::TAufgabenZahl aufgabenZahl,
                                           IMeldungen& meldungen, IBerichtModul& modul,
                                           TBerichtVorschau* vorschau, QWidget* eltern)
    : QDialog(eltern), m_inhalt(TAuswertungsLeser::lesen(log, gebiet)),
      m_aufgabenZahl(std::move(aufgabenZahl)), m_meldungen(meldungen), m_vorschau(vorschau) {
    setObjectName(QStringLiteral("FormLernfortschritt"));
    setWindowTitle(QStringLiteral("Lernfortschritt"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    const QFont f = TBauteile::schrift(QStringLiteral("MS Sans Serif"), 11);
    setFont(f);
    setMinimumSize(640, 480);

    BenutzerLabel = TBauteile::etikett(this, "BenutzerLabel", QStringLiteral("Benutzer:"),
                                       QRect(8, 12, 60, 20), f);
    BenutzerAuswahl = new QComboBox(this);
    BenutzerAuswahl->setObjectName(QStringLiteral("BenutzerAuswahl"));
    BenutzerAuswahl->addItem(kAlleBenutzer, QString());
    for (const QString& b : TLernfortschritt::benutzer(m_inhalt.laeufe))
        BenutzerAuswahl->addItem(b.isEmpty() ? QStringLiteral("(ohne Namen)") : b, b);
    LektionLabel = TBauteile::etikett(this, "LektionLabel", QStringLiteral("Lektion:"),
                                      QRect(310, 12, 56, 20), f);
    LektionsAuswahl = new QComboBox(this);
    LektionsAuswahl->setObjectName(QStringLiteral("LektionsAuswahl"));
    LektionsAuswahl->addItem(kAlleLektionen, QString());
    for (const QString& l : TLernfortschritt::lektionen(m_inhalt.laeufe)) {
        LektionsAuswahl->addItem(TLernfortschritt::dateiName(l), l);
        LektionsAuswahl->setItemData(LektionsAuswahl->count() - 1, l, Qt::ToolTipRole);
    }

    FortschrittsDiagramm = modul.fortschrittsDiagramm(this);

    FortschrittsTabelle = new QTableWidget(0, 6, this);
    FortschrittsTabelle->setObjectName(QStringLiteral("FortschrittsTabelle"));
    FortschrittsTabelle->setHorizontalHeaderLabels(
        {QStringLiteral("Lektion"), QStringLiteral("Aufgaben"), QStringLiteral("Durchgänge"),
         QStringLiteral("Letztes Ergebnis"), QStringLiteral("Bestes Ergebnis"),
         QStringLiteral("Tendenz")});
    FortschrittsTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FortschrittsTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    FortschrittsTabelle->verticalHeader()->hide();
    FortschrittsTabelle->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    HinweisLabel = TBauteile::etikett(this, "HinweisLabel", QString(), QRect(), f);
    HinweisLabel->setWordWrap(true);

    auto knopf = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    DiagrammSpeichernBtn = knopf("DiagrammSpeichernBtn", QStringLiteral("Diagramm &speichern ..."));
    DiagrammDruckenBtn = knopf("DiagrammDruckenBtn", QStringLiteral("Diagramm &drucken ..."));
    DiagrammDruckenBtn->setEnabled(m_vorschau != nullptr);
    SchliessenBtn = knopf("SchliessenBtn", QStringLiteral("S&chließen"));

    connect(BenutzerAuswahl, &QComboBox::currentIndexChanged, this,
            &TFormLernfortschritt::aktualisieren);
    connect(LektionsAuswahl, &QComboBox::currentIndexChanged, this,
            &TFormLernfortschritt::aktualisieren);
    connect(DiagrammSpeichernBtn, &QPushButton::clicked, this,
            &TFormLernfortschritt::DiagrammSpeichernBtnClick);
    connect(DiagrammDruckenBtn, &QPushButton::clicked, this,
            &TFormLernfortschritt::DiagrammDruckenBtnClick);
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::accept);

    resize(800, 620);
    FormResize();
    aktualisieren();
}

QObject* TFormLernfortschritt::diagramm() const {
    return FortschrittsDiagramm->diagramm();
}

void TFormLernfortschritt::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    FormResize();
}

void TFormLernfortschritt::FormResize() {
    const int w = width();
    const int h = height();
    LektionsAuswahl->setGeometry(370, 8, std::max(120, w - 378), 24);
    BenutzerAuswahl->setGeometry(70, 8, 220, 24);
    const int knopfOben = h - 36;
    const int tabelleOben = knopfOben - 8 - kTabellenHoehe;
    FortschrittsDiagramm->widget()->setGeometry(8, 40, w - 16, std::max(100, tabelleOben - 48));
    FortschrittsTabelle->setGeometry(8, tabelleOben, w - 16, kTabellenHoehe);
    SchliessenBtn->setGeometry(w - 8 - 110, knopfOben, 110, 28);
    DiagrammDruckenBtn->setGeometry(w - 8 - 110 - 6 - 150, knopfOben, 150, 28);
    DiagrammSpeichernBtn->setGeometry(w - 8 - 110 - 12 - 300, knopfOben, 150, 28);
    HinweisLabel->setGeometry(8, knopfOben, std::max(60, w - 8 - 110 - 12 - 300 - 16), 28);
}

void TFormLernfortschritt::aktualisieren() {
    m_verlaeufe =
        TLernfortschritt::berechnen(m_inhalt.laeufe, BenutzerAuswahl->currentData().toString(),
                                    LektionsAuswahl->currentData().toString(), m_aufgabenZahl);
    diagrammFuellen();
    tabelleFuellen();
    QStringList hinweis;
    if (m_inhalt.laeufe.isEmpty())
        hinweis << QStringLiteral("Die Auswertung enthält noch keine beendete Lektion.");
    if (m_inhalt.uebersprungen > 0)
        hinweis << QStringLiteral("%1 unlesbare Zeilen der Auswertung wurden übersprungen.")
                       .arg(m_inhalt.uebersprungen);
    for (const TLektionsVerlauf& v : std::as_const(m_verlaeufe)) {
        if (v.aufgaben <= 0) {
            hinweis << QStringLiteral("Lektionen ohne lesbare Datei zeigen nur ihre Fehler.");
            break;
        }
    }
    HinweisLabel->setText(hinweis.join(QLatin1Char(' ')));
}

void TFormLernfortschritt::diagrammFuellen() {
    QList<TDiagrammLinie> linien;
    linien.reserve(m_verlaeufe.size());
    for (const TLektionsVerlauf& v : std::as_const(m_verlaeufe)) {
        TDiagrammLinie linie{v.anzeigeName, {}};
        linie.punkte.reserve(v.punkte.size());
        for (const TFortschrittsPunkt& p : v.punkte)
            linie.punkte.append(QPointF(double(p.msek), p.quote));
        linien.append(std::move(linie));
    }
    FortschrittsDiagramm->fuellen(linien);
}

void TFormLernfortschritt::tabelleFuellen() {
    FortschrittsTabelle->setRowCount(int(m_verlaeufe.size()));
    for (int r = 0; r < m_verlaeufe.size(); ++r) {
        const TLektionsVerlauf& v = m_verlaeufe.at(r);
        const QStringList texte = {
            v.anzeigeName.isEmpty() ? QStringLiteral("(ohne Namen)") : v.anzeigeName,
            v.aufgaben >= 0 ? QString::number(v.aufgaben) : QStringLiteral("?"),
            QString::number(v.laeufe),
            TLernfortschritt::ergebnisText(v.letzteFehler, v.letzteQuote),
            TLernfortschritt::ergebnisText(v.wenigsteFehler, v.besteQuote),
            v.laeufe < 2 ? QStringLiteral("–") : TLernfortschritt::trendText(v.trend)};
        for (int s = 0; s < texte.size(); ++s) {
            auto* zelle = new QTableWidgetItem(texte.at(s));
            if (s == 0)
                zelle->setToolTip(v.lektion);
            FortschrittsTabelle->setItem(r, s, zelle);
        }
    }
    FortschrittsTabelle->resizeColumnsToContents();
    FortschrittsTabelle->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void TFormLernfortschritt::diagrammMalen(QPainter& maler, const QRectF& ziel) {
    FortschrittsDiagramm->malen(maler, ziel);
}

QByteArray TFormLernfortschritt::alsPng() {
    // Twice the window's size, so that the picture stays sharp on paper.
    const QSize groesse = FortschrittsDiagramm->ansichtsGroesse() * 2;
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        diagrammMalen(maler, QRectF(QPointF(0, 0), QSizeF(groesse)));
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return bytes;
}

QByteArray TFormLernfortschritt::alsPdf() {
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(96);
        pdf.setTitle(windowTitle());
        pdf.setCreator(TTexte::kurzTitel().trimmed());
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter maler(&pdf);
        diagrammMalen(maler, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    }
    return bytes;
}

void TFormLernfortschritt::DiagrammSpeichernBtnClick() {
    TDateiDialog wahl;
    wahl.filter = QStringLiteral("PNG-Bilder  (*.png)|*.png|PDF-Dateien  (*.pdf)|*.pdf");
    wahl.vorgabeName = QStringLiteral("Lernfortschritt.png");
    wahl.standardEndung = QStringLiteral("*.png");
    QString pfad = m_meldungen.dateiSpeichern(wahl);
    if (pfad.isEmpty())
        return;
    const bool pdf = pfad.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!pdf && !pfad.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        pfad += QStringLiteral(".png");
    const QByteArray bytes = pdf ? alsPdf() : alsPng();
    const bool gespeichert = !bytes.isEmpty() && TStrHolder::bytesSpeichern(pfad, bytes);
    TStrHolder::sicherungenMelden(m_meldungen);
    if (!gespeichert)
        m_meldungen.meldung(TMeldungsArt::Fehler, TTexte::kurzTitel(),
                            QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
}

void TFormLernfortschritt::DiagrammDruckenBtnClick() {
    if (!m_vorschau)
        return;
    m_vorschau->grafikZeigen(
        QStringLiteral("Lernfortschritt"),
        [this](QPainter& maler, const QRectF& seite) { diagrammMalen(maler, seite); });
}
