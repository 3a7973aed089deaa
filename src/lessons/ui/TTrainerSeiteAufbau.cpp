// Construction of the trainer page's controls at their designed positions.
#include "lessons/ui/TDigitalZaehler.h"
#include "lessons/ui/TErfolgsBalken.h"
#include "lessons/ui/TTrainerSeite.h"
#include "shell/ui/TBauteile.h"
#include "shell/ui/TSymbole.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

using B = TBauteile;

void TTrainerSeite::erzeugeLinkeSpalte() {
    QWidget* s = this;
    const QFont arial13 = B::schrift(QStringLiteral("Arial"), 13, true);
    const QFont comic15 = B::schrift(QStringLiteral("Comic Sans MS"), 15);

    Lektionsueberschrift =
        B::etikett(s, "Lektionsueberschrift", QStringLiteral("Keine Lektion geladen !"),
                   QRect(14, 72, 193, 21), arial13);
    Lektionsueberschrift->setToolTip(QStringLiteral("Name der geladenen Lektion."));
    Shape1 = B::linie(s, "Shape1", QRect(14, 96, 190, 2));
    ZahlDerAufgaben =
        B::etikett(s, "ZahlDerAufgaben", QStringLiteral("    "), QRect(14, 104, 117, 16), arial13);
    ZahlDerAufgaben->setToolTip(QStringLiteral("Zahl der Aufgaben in der geladenen Lektion"));

    NaechsteAufgabeBtn = new QPushButton(QStringLiteral("Nächste Aufgabe"), s);
    NaechsteAufgabeBtn->setObjectName(QStringLiteral("NaechsteAufgabeBtn"));
    NaechsteAufgabeBtn->setGeometry(12, 128, 190, 37);
    NaechsteAufgabeBtn->setToolTip(QStringLiteral("Zeigt die nächste Aufgabe."));
    PruefBtn = new QPushButton(QStringLiteral("Prüfen"), s);
    PruefBtn->setObjectName(QStringLiteral("PruefBtn"));
    PruefBtn->setGeometry(12, 176, 190, 37);
    PruefBtn->setToolTip(QStringLiteral("Überprüft die Lösung."));
    for (QPushButton* b : {NaechsteAufgabeBtn, PruefBtn}) {
        b->setFont(comic15);
        b->setCursor(Qt::PointingHandCursor);
        // Tab reaches them; a click leaves the focus in the answer field.
        b->setFocusPolicy(Qt::TabFocus);
    }

    B::rahmen(s, "Bevel1", QRect(12, 224, 190, 51));
    DigitalZaehler = new TDigitalZaehler(s);
    DigitalZaehler->setObjectName(QStringLiteral("DigitalZaehler"));
    DigitalZaehler->setGeometry(20, 236, 59, 28);
    DigitalZaehler->setToolTip(
        QStringLiteral("Zahl der erkannten Fehler für die aktuelle Lektion."));
    DigitalZaehler->zeigeZahl(0);
    B::etikett(s, "LoesungsLabel", QStringLiteral("Fehler"), QRect(96, 236, 97, 33),
               B::schrift(QStringLiteral("Arial"), 24, true), B::kRot);

    Bevel3 = B::rahmen(s, "Bevel3", QRect(12, 284, 190, 51));
    auto* label5 =
        B::etikett(s, "Label5", QStringLiteral("Lösung anzeigen: "), QRect(27, 308, 0, 0), arial13);
    label5->adjustSize();
    LoesungAnzeigenImage = new QLabel(s);
    LoesungAnzeigenImage->setObjectName(QStringLiteral("LoesungAnzeigenImage"));
    LoesungAnzeigenImage->setGeometry(161, 296, 32, 32);
    LoesungAnzeigenImage->setPixmap(TSymbole::loesung());
    LoesungAnzeigenImage->setCursor(Qt::PointingHandCursor);
    LoesungAnzeigenImage->setToolTip(
        QStringLiteral("Zeigt die Lösung zu der aktuellen Aufgabe.\r\nFunktionstaste F2."));

    ErfolgsLabel = B::etikett(s, "ErfolgsLabel", QStringLiteral("Ihre Erfolgsquote liegt bei"),
                              QRect(16, 344, 185, 16), arial13);
    ErfolgsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ErfolgsLabel->hide();
    BenutzerLabel = B::etikett(s, "BenutzerLabel", QStringLiteral("Benutzer:"),
                               QRect(14, 344, 185, 16), arial13);
    ErfolgsBalken = new TErfolgsBalken(s);
    ErfolgsBalken->setObjectName(QStringLiteral("ErfolgsBalken"));
    ErfolgsBalken->setGeometry(12, 360, 190, 29);
    ErfolgsBalken->hide();
    Shape2 = B::linie(s, "Shape2", QRect(12, 364, 190, 2));
    BenutzerNameLabel = B::etikett(s, "BenutzerNameLabel", QStringLiteral("unbekannt"),
                                   QRect(14, 370, 185, 16), arial13);
    auto* bild = new QLabel(s);
    bild->setObjectName(QStringLiteral("Image2"));
    bild->setGeometry(12, 404, 32, 32);
    bild->setPixmap(TSymbole::info());
    AktuelleInfoLabel = B::etikett(
        s, "AktuelleInfoLabel", QStringLiteral("Bitte laden Sie nun eine Lektion."),
        QRect(12, 440, 193, 89), B::schrift(QStringLiteral("Arial"), 12, true), B::kNavy);
    AktuelleInfoLabel->setWordWrap(true);
    AktuelleInfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AktuelleInfoLabel->setToolTip(QStringLiteral("Zeigt aktuelle Informationen."));
}

void TTrainerSeite::erzeugeAufgabenfelder() {
    QWidget* s = this;
    GroupBox1 = B::gruppe(s, "GroupBox1", QStringLiteral(" Aufgabe "), QRect(241, 92, 504, 85));
    GroupBox1->setToolTip(
        QStringLiteral("Zahl der noch zu beantwortenten Aufgaben in der aktuellen Lektion."));
    FrageLabel = B::fuellLabel(GroupBox1, "FrageLabel",
                               QStringLiteral("Diese Aufgabe muss beantwortet werden."));
    FrageLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    GroupBox2 = B::gruppe(s, "GroupBox2", QStringLiteral(" Antwort "), QRect(240, 180, 504, 69));
    AntwortEdit = new QLineEdit(GroupBox2);
    AntwortEdit->setObjectName(QStringLiteral("AntwortEdit"));
    AntwortEdit->setGeometry(12, 24, 481, 28);
    AntwortEdit->setFont(B::schrift(QStringLiteral("Comic Sans MS"), 15, true));
    AntwortEdit->setToolTip(QStringLiteral("Hier wird die Lösung zur Aufgabe eingeben."));
    AntwortEdit->setMaxLength(std::numeric_limits<int>::max());
    AntwortEdit->setAutoFillBackground(true);

    GroupBox3 =
        B::gruppe(s, "GroupBox3", QStringLiteral(" Vorschlag 1 "), QRect(240, 280, 504, 85));
    Vorschlag1label = B::fuellLabel(GroupBox3, "Vorschlag1label",
                                    QStringLiteral("1. Lösungsvorschlag.\r\nEinfach anklicken, um "
                                                   "diesen in das Antwortfeld zu übertragen."));
    GroupBox3->hide();
    GroupBox4 =
        B::gruppe(s, "GroupBox4", QStringLiteral(" Vorschlag 2 "), QRect(240, 372, 504, 85));
    Vorschlag2label = B::fuellLabel(GroupBox4, "Vorschlag2label",
                                    QStringLiteral("2. Lösungsvorschlag\r\nEinfach anklicken, um "
                                                   "diesen in das Antwortfeld zu übertragen."));
    GroupBox4->hide();
    for (QLabel* vorschlag : {Vorschlag1label, Vorschlag2label})
        vorschlag->setFocusPolicy(Qt::TabFocus);
    Lesetextlabel =
        B::etikett(s, "Lesetextlabel", QString(13, QLatin1Char(' ')), QRect(240, 260, 0, 0),
                   B::schrift(QStringLiteral("Arial"), 12, true), B::kNavy);
    Lesetextlabel->adjustSize();
    Lesetextlabel->setFixedHeight(15);
    Lesetextlabel->hide();
    Lesemodusaufgabelabel = B::etikett(
        s, "Lesemodusaufgabelabel",
        QStringLiteral("Klicke den fehlerfreie Satz mit der Maus einfach an!"),
        QRect(244, 464, 293, 15), B::schrift(QStringLiteral("Arial"), 12, true), B::kNavy);
    Lesemodusaufgabelabel->hide();
}
