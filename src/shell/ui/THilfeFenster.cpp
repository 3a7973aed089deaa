#include "shell/ui/THilfeFenster.h"

#include "shell/TTexte.h"
#include "shell/ui/TSymbole.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace {
constexpr int kKnopfBreite = 100;
constexpr int kKnopfHoehe = 25;
constexpr int kRand = 8;
} // namespace

THilfeFenster::THilfeFenster(const QString& startseite, QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_browser(new QTextBrowser(this)),
      m_schliessen(new QPushButton(QStringLiteral("&Schließen"), this)) {
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(TTexte::produktName() + QStringLiteral("– Hilfe"));
    setWindowIcon(TSymbole::programm());
    m_browser->setObjectName(QStringLiteral("HilfeBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(startseite));
    m_schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(m_schliessen, &QPushButton::clicked, this, &QWidget::close);
    resize(760, 560);
}

QString THilfeFenster::seite() const {
    return m_browser->source().toLocalFile();
}

void THilfeFenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    const int unten = height() - kKnopfHoehe - 2 * kRand;
    m_browser->setGeometry(0, 0, width(), qMax(0, unten));
    m_schliessen->setGeometry(width() - kKnopfBreite - kRand, unten + kRand, kKnopfBreite,
                              kKnopfHoehe);
}

void THilfeFenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}
