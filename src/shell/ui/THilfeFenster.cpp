#include "shell/ui/THilfeFenster.h"
#include "shell/TTexte.h"

#include "shell/ui/TSymbole.h"

#include <QTextBrowser>
#include <QUrl>

THilfeFenster::THilfeFenster(const QString& startseite, QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(TTexte::produktName() + QStringLiteral("– Hilfe"));
    setWindowIcon(TSymbole::programm());
    m_browser->setObjectName(QStringLiteral("HilfeBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(startseite));
    resize(760, 560);
}

QString THilfeFenster::seite() const {
    return m_browser->source().toLocalFile();
}

void THilfeFenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    m_browser->setGeometry(rect());
}
