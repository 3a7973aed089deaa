// Construction of the main window's toolbar, menus and status bar at their designed positions.
#include "shell/ui/TBauteile.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TSymbole.h"
#include "shell/ui/TWerkzeugKnopf.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

using B = TBauteile;

QAction* TForm1::neueAktion(QMenu* menu, const char* name, const QString& text,
                            const QString& hinweis) {
    auto* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hinweis.isEmpty() ? QString(text).remove(QLatin1Char('&')) : hinweis);
    return a;
}

QString TForm1::menuBlatt(const QColor& farbe) {
    // The style sheet draws the items, so the colour goes into it; selected and disabled
    // entries keep the style's colours.
    return QStringLiteral("QMenu::item { min-height: 29px; padding: 0px 24px 0px 28px; } "
                          "QMenu::item:enabled:!selected { color: %1; }")
        .arg(farbe.name());
}

void TForm1::menuBlattSetzen(QMenu* menu) const {
    // Setting a style sheet re-polishes the menu: only when the colour changed.
    const QString blatt = menuBlatt(m_menuFarbe);
    if (menu->styleSheet() != blatt)
        menu->setStyleSheet(blatt);
}

void TForm1::erzeugeWerkzeugleiste() {
    toppanel = new QFrame(FormPanel1);
    toppanel->setObjectName(QStringLiteral("toppanel"));
    toppanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    toppanel->setGeometry(0, 0, width(), 61);

    struct Knopf {
        const char* name;
        int links, breite;
        const char* text;
        const char* hinweis;
    };
    const Knopf knoepfe[] = {
        {"btn1", 8, 120, "&Lektionen", "Verschiedene Lektionen, die geübt werden sollen."},
        {"btn4", 144, 100, "&Kontrolle", "Fehler nochmals üben, oder als Lektion speichern."},
        {"btn2", 260, 100, "&Drucken",
         "Arbeitsblätter für weitere Übungen ohne Computer ausdrucken."},
        {"btn3", 376, 133, "Ein&stellungen", "Anpassen der Bedienoberfläche."},
        {"btn5", 524, 85, "&Hilfe", "Hilfe zur Software und zur Bedienung."},
        {"btn6", 624, 81, "&Ende", "Beendet die Software."},
    };
    const int symbole[] = {1, 2, 3, 4, 5, 6};
    int i = 0;
    for (const Knopf& k : knoepfe) {
        auto* b = new TWerkzeugKnopf(toppanel);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setText(QString::fromUtf8(k.text));
        b->setToolTip(QString::fromUtf8(k.hinweis));
        b->setGeometry(k.links, 8, k.breite, 43);
        b->setIcon(TSymbole::werkzeug(symbole[i++]));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setFont(B::schrift(QStringLiteral("Comic Sans MS"), 16));
        m_knoepfe.append(b);
    }
}

void TForm1::erzeugeMenues() {
    auto neuesMenu = [this](const char* name, int knopf) {
        auto* m = new QMenu(this);
        m->setObjectName(QString::fromLatin1(name));
        m->setToolTipsVisible(true);
        connect(m, &QMenu::aboutToShow, this, [this, m] { menuBlattSetzen(m); });
        m_knoepfe[knopf]->setMenu(m);
        m_menues.append(m);
        m_knoepfe[knopf]->setPopupMode(QToolButton::InstantPopup);
        return m;
    };
    auto trenner = [](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* LektionenPopup = neuesMenu("LektionenPopup", 0);
    neueAktion(LektionenPopup, "Lektionladen", QStringLiteral("&Lektion laden"),
               QStringLiteral("Lektion laden, die geübt werden soll."));
    neueAktion(LektionenPopup, "LesemodusMenu", QStringLiteral("Lese&modus"), {})
        ->setCheckable(true);
    neueAktion(LektionenPopup, "GeladeneLektionBearbeiten", QStringLiteral("&Editor"),
               QStringLiteral("Lektionen mit unserem Editor bearbeiten."));
    neueAktion(LektionenPopup, "Vertauschen", QStringLiteral("&Aufgabe und Anwort vertauschen"),
               QStringLiteral("Vertauscht die Aufgabe und Antwort der aktuellen Lektion."))
        ->setCheckable(true);
    trenner(LektionenPopup, "N5");
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "LetztegeladeneLektion" + QByteArray::number(k);
        auto* a = neueAktion(LektionenPopup, name.constData(), QStringLiteral("kein Eintrag"),
                             QStringLiteral("Bereits schon einmal geladene Lektion."));
        a->setData(QStringLiteral("kein Eintrag"));
        a->setProperty("Tag", 19 + k);
        m_historie.append(a);
    }

    QMenu* FehlerPopUp = neuesMenu("FehlerPopUp", 1);
    neueAktion(FehlerPopUp, "MenuItem7", QStringLiteral("&Fehler nochmals üben"),
               QStringLiteral("Die erkannten Fehlern nochmals üben."));
    neueAktion(FehlerPopUp, "MenuItem8", QStringLiteral("Fehler als Lektion &speichern"),
               QStringLiteral("Fehler als Lektion speichern."));
    trenner(FehlerPopUp, "N2");
    neueAktion(FehlerPopUp, "Auswertung", QStringLiteral("&Auswertung anzeigen"), {});
    neueAktion(FehlerPopUp, "Auswertungzurcksetzten1", QStringLiteral("Auswertung &zurücksetzten"),
               QStringLiteral("AuswertungReset"));
    neueAktion(FehlerPopUp, "Lernfortschritt", QStringLiteral("&Lernfortschritt"),
               QStringLiteral("Zeigt den Lernfortschritt aller Lektionen als Diagramm."));

    QMenu* ArbeitsblattPopup = neuesMenu("ArbeitsblattPopup", 2);
    neueAktion(ArbeitsblattPopup, "LektionsReport", QStringLiteral("&Lektion drucken"),
               QStringLiteral("Druckt Arbeitsblätter der gesamten Lektion mit Aufgabe und Lösung."))
        ->setProperty("Tag", 1);
    neueAktion(ArbeitsblattPopup, "ArbeitsblattReport", QStringLiteral("&Arbeitsblätter drucken"),
               QStringLiteral("Druckt Arbeitsblätter der gesamten Lektion nur mit den Aufgaben."))
        ->setProperty("Tag", 2);

    QMenu* EinstellungPopupMenu = neuesMenu("EinstellungPopupMenu", 3);
    QMenu* m = EinstellungPopupMenu;
    neueAktion(m, "SchriftartderMenupunkte1", QStringLiteral("Schriftart der &Menupunkte"),
               QStringLiteral("Schriftart der Menupunkte."));
    neueAktion(m, "SchriftartderZahlenfelder1", QStringLiteral("&Schriftart der Eingabefelder"),
               QStringLiteral("Schriftart der Zeichenfelder."));
    neueAktion(m, "TastenmitSonderzeichenbelegen1",
               QStringLiteral("&Tasten mit Sonderzeichen belegen"),
               QStringLiteral("Benötigte Sonderzeichen für Fremdsprachen."));
    neueAktion(m, "Ton1", QStringLiteral("T&on einschalten"),
               QStringLiteral("Sounduntertützung ein/ausschalten."))
        ->setCheckable(true);
    neueAktion(m, "PopupHilfeanzeigen1", QStringLiteral("&Popup-Hilfe anzeigen"),
               QStringLiteral("Popup-Hilfen ein/ausschalten"))
        ->setCheckable(true);
    neueAktion(m, "FelderDrehen1", QStringLiteral("&Felder bei jeder Aufgabe drehen"),
               QStringLiteral("Drehen der Zeichenfelder ein/ausschalten."))
        ->setCheckable(true);
    neueAktion(
        m, "AntwortbeiderEingabeprfen1", QStringLiteral("&Antwort bei der Eingabe &prüfen"),
        QStringLiteral("Aktiviert die buchstabengenaue Überprüfung der Lösung bei der Eingabe."))
        ->setCheckable(true);
    neueAktion(m, "Datensicherung1", QStringLiteral("&Datensicherung"),
               QStringLiteral("Lektionen auf Diskette sichern."));
    neueAktion(m, "AnredemitDU1", QStringLiteral("Anrede mit D&U"), {})->setCheckable(true);
    neueAktion(m, "KeineFarbeimAusdruck1", QStringLiteral("Drucken in &Konzept-Qualität"), {})
        ->setCheckable(true);
    trenner(m, "N4");
    auto* verzeichnisse = m->addMenu(QStringLiteral("&Lektionsverzeichnis wählen"));
    verzeichnisse->setObjectName(QStringLiteral("lektionsverzeichnisMenu"));
    verzeichnisse->setToolTipsVisible(true);
    verzeichnisse->menuAction()->setObjectName(QStringLiteral("lektionsverzeichnis"));
    verzeichnisse->menuAction()->setToolTip(
        QStringLiteral("In welchem Verzeichnis soll die Lektionen gespeichert werden"));
    neueAktion(verzeichnisse, "NetzwerkLektionsPfad", QStringLiteral("&Netzwerk-Verzeichnis"), {});
    neueAktion(verzeichnisse, "PrivatesLektionsverzeichnis", QStringLiteral("&Privat-Verzeichnis"),
               {});
    trenner(m, "N1");
    neueAktion(m, "AdministratorModus", QStringLiteral("&Administrator-Modus aktivieren"),
               QStringLiteral("Versetzt DRILLA in den Administrator-Modus."));

    QMenu* HilfePopup = neuesMenu("HilfePopup", 4);
    neueAktion(HilfePopup, "Index1", QStringLiteral("&Index"),
               QStringLiteral("Zeigt die Windows-Hilfedatei."));
    neueAktion(HilfePopup, "TippsTricks1", QStringLiteral("&Tipps && Tricks"),
               QStringLiteral("Zeigt wichtige Tipps&Tricks."));
    neueAktion(HilfePopup, "Info1", QStringLiteral("Inf&o..."),
               QStringLiteral("Zeigt Informationen zur Software."));
    trenner(HilfePopup, "N3");
    neueAktion(HilfePopup, "Homepage1", QStringLiteral("&Homepage"),
               QStringLiteral("Zeigt die Homepage von MORVANE."));
}

void TForm1::erzeugeStatusleiste() {
    RzStatusBar2 = new QFrame(FormPanel1);
    RzStatusBar2->setObjectName(QStringLiteral("RzStatusBar2"));
    RzStatusBar2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RzStatusBar2->setFont(B::schrift(QStringLiteral("MS Sans Serif"), 11));
    B::faerben(RzStatusBar2, B::kNavy);
    struct Feld {
        const char* name;
        const char* hinweis;
    };
    const Feld felder[] = {
        {"Statusaendern", "Alle Zeichen des Alphabets werden stehend dargestellt."},
        {"DrehStatus", "Dreht die Zeichen und Sonderzeichen des Alphabets zufällig."},
        {"RunterStatus", "Sortiert die Zeichen des Alphabets in aufsteigender Reihenfolge."},
        {"RaufStatus", "Sortiert die Zeichen des Alphabets in absteigender Reihenfolge."},
    };
    int tag = 1;
    for (const Feld& f : felder) {
        auto* l = new QLabel(RzStatusBar2);
        l->setObjectName(QString::fromLatin1(f.name));
        l->setToolTip(QString::fromUtf8(f.hinweis));
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Sunken);
        l->setCursor(Qt::PointingHandCursor);
        // One letter or arrow, or two letters above each other with an arrow.
        l->setPixmap(TSymbole::status(tag));
        l->setProperty("Tag", tag++);
        m_statusfelder.append(l);
    }
}
