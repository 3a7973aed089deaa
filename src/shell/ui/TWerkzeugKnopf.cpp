#include "shell/ui/TWerkzeugKnopf.h"

#include "shell/ui/TBauteile.h"

#include <QPalette>
#include <QStyleOptionToolButton>
#include <QStylePainter>

TWerkzeugKnopf::TWerkzeugKnopf(QWidget* eltern) : QToolButton(eltern) {}

void TWerkzeugKnopf::setzeTextFarbe(const QColor& farbe) {
    if (farbe == m_farbe)
        return;
    m_farbe = farbe;
    update();
}

void TWerkzeugKnopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The application's colours, not the page's white, for the raised and pressed panel, and
    // the text colour in every state, disabled too, navy only when enabled: what the style
    // sheet this replaces drew.
    option.palette = QPalette();
    const bool schwebend =
        (option.state & QStyle::State_MouseOver) && (option.state & QStyle::State_Enabled);
    const QColor farbe = schwebend ? TBauteile::kNavy : m_farbe;
    for (QPalette::ColorRole rolle : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        option.palette.setColor(rolle, farbe);
    maler.drawComplexControl(QStyle::CC_ToolButton, option);
}
