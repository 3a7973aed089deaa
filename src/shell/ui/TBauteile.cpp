#include "shell/ui/TBauteile.h"

#include "lessons/TAnsiCodec.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpressionValidator>

const QColor TBauteile::kNavy(0, 0, 128);
const QColor TBauteile::kBlau(0, 0, 255);
const QColor TBauteile::kRot(255, 0, 0);

QValidator* TBauteile::ansiPruefer(QObject* eltern) {
    static const QRegularExpression muster = [] {
        QString klasse;
        for (int b = 1; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            klasse += QStringLiteral("\\x{%1}").arg(
                TAnsiCodec::dekodieren(&byte, 1).at(0).unicode(), 4, 16, QLatin1Char('0'));
        }
        return QRegularExpression(QStringLiteral("[%1]*").arg(klasse));
    }();
    return new QRegularExpressionValidator(muster, eltern);
}

QFont TBauteile::schrift(const QString& familie, int pixel, bool fett) {
    QFont f(familie);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void TBauteile::faerben(QWidget* w, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}

QLabel* TBauteile::etikett(QWidget* eltern, const char* name, const QString& text, const QRect& ort,
                           const QFont& f, const QColor& farbe) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(ort);
    l->setFont(f);
    faerben(l, farbe);
    return l;
}

QFrame* TBauteile::linie(QWidget* eltern, const char* name, const QRect& ort) {
    auto* f = new QFrame(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(ort);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, kBlau);
    f->setPalette(p);
    return f;
}

QFrame* TBauteile::rahmen(QWidget* eltern, const char* name, const QRect& ort) {
    auto* f = new QFrame(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(ort);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

QGroupBox* TBauteile::gruppe(QWidget* eltern, const char* name, const QString& titel,
                             const QRect& ort) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(ort);
    return g;
}

QLabel* TBauteile::fuellLabel(QGroupBox* g, const char* name, const QString& hinweis) {
    auto* l = etikett(g, name, QStringLiteral("Lektion laden ..."),
                      QRect(8, 18, g->width() - 16, g->height() - 26),
                      schrift(QStringLiteral("Comic Sans MS"), 19), kNavy);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setToolTip(hinweis);
    return l;
}
