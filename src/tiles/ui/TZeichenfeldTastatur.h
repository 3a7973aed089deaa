#pragma once

#include "shell/TPlattform.h"
#include "tiles/TZeichenfeldRaster.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class IModalDialoge;
class QMenu;
struct TLaufDaten;
class TOptionenModell;
class TSonderform;
class TZeichenfeld;

// The 91 character tiles as one widget. It lies over its whole page; a mask lets clicks between
// the tiles through, so the tiles keep the page's coordinates.
class TZeichenfeldTastatur : public QWidget {
    Q_OBJECT
public:
    TZeichenfeldTastatur(TPlattform plattform, IModalDialoge& dialoge, const TLaufDaten& lauf,
                         const TOptionenModell& optionen, QWidget* seite);

    TZeichenfeld* feld(int nummer) const { return m_felder.value(nummer - 1); }
    const QList<TZeichenfeld*>& felder() const { return m_felder; }

    // Crosshair cursor, ascending letters.
    void vorbereiten();
    void aufsteigend();
    void absteigend();
    // Every tile to a random angle below `bereich` degrees (0: all upright).
    void drehen(int bereich);
    void setzeHinweis(const QString& hinweis);
    void setzeSchrift(const QFont& schrift, const QColor& farbe);
    // Captions of tiles 79 to 91, the ones the user assigns.
    QStringList sonderzeichen() const;
    void setzeSonderzeichen(const QStringList& beschriftungen);
    void anordnen(const std::array<QPoint, TZeichenfeldRaster::kFelder>& orte);

    // The explanation, then the assignable tiles flash red.
    void TastenmitSonderzeichenbelegen1Click();
    void Sonderzeichen1Click();

signals:
    void geklickt(const QString& beschriftung);

private:
    void RzLabel79MouseDown(TZeichenfeld* feld);
    void setzeBeschriftungen(const QStringList& texte);
    void maskeSetzen();

    TPlattform m_plattform;
    IModalDialoge& m_dialoge;
    const TLaufDaten& m_lauf;
    const TOptionenModell& m_optionen;
    QList<TZeichenfeld*> m_felder;
    TSonderform* Sonderform = nullptr;
    QMenu* PopupMenuSonderzeichen = nullptr;
    TZeichenfeld* m_gewaehltesFeld = nullptr; // GewaehltesFeld
    QPoint m_pickerPosition;
};
