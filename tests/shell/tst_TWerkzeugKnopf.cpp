#include "shell/ui/TBauteile.h"
#include "shell/ui/TSymbole.h"
#include "shell/ui/TWerkzeugKnopf.h"

#include <QFrame>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <memory>

// The button paints what a colour style sheet with a navy hover rule painted, pixel for pixel.
class tst_TWerkzeugKnopf : public QObject {
    Q_OBJECT

    struct TLeiste {
        std::unique_ptr<QWidget> seite = std::make_unique<QWidget>();
        QToolButton* knopf = nullptr;
        QMenu menu;
    };

    // Built as the main window builds its toolbar: on a white page, in a sunken panel.
    static void bauen(TLeiste& l, QToolButton* knopf) {
        l.seite->setAutoFillBackground(true);
        QPalette weiss = l.seite->palette();
        weiss.setColor(QPalette::Window, weiss.color(QPalette::Base));
        l.seite->setPalette(weiss);
        l.seite->resize(140, 61);
        auto* panel = new QFrame(l.seite.get());
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(0, 0, 140, 61);
        knopf->setParent(panel);
        knopf->setText(QStringLiteral("&Lektionen"));
        knopf->setGeometry(8, 8, 120, 43);
        knopf->setIcon(TSymbole::werkzeug(1));
        knopf->setIconSize(QSize(20, 20));
        knopf->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knopf->setAutoRaise(true);
        knopf->setFont(TBauteile::schrift(QStringLiteral("Comic Sans MS"), 16));
        knopf->setMenu(&l.menu);
        knopf->setPopupMode(QToolButton::InstantPopup);
        l.knopf = knopf;
    }

private slots:
    void gleichesBild_data() {
        QTest::addColumn<QColor>("farbe");
        QTest::addColumn<bool>("maus");
        QTest::addColumn<bool>("aus");
        QTest::addColumn<bool>("gedrueckt");
        for (const QColor& farbe : {QColor(Qt::black), QColor(Qt::red)}) {
            const QByteArray name = farbe.name().toLatin1();
            QTest::newRow(name + " ruhend") << farbe << false << false << false;
            QTest::newRow(name + " unter der Maus") << farbe << true << false << false;
            QTest::newRow(name + " gesperrt") << farbe << false << true << false;
            QTest::newRow(name + " gesperrt unter der Maus") << farbe << true << true << false;
            QTest::newRow(name + " gedrueckt") << farbe << true << false << true;
        }
    }
    void gleichesBild() {
        QFETCH(QColor, farbe);
        QFETCH(bool, maus);
        QFETCH(bool, aus);
        QFETCH(bool, gedrueckt);
        TLeiste alt, neu;
        auto* mitBlatt = new QToolButton;
        bauen(alt, mitBlatt);
        mitBlatt->setStyleSheet(
            QStringLiteral("QToolButton { color: %1; } QToolButton:hover { color: navy; }")
                .arg(farbe.name()));
        auto* eigen = new TWerkzeugKnopf;
        bauen(neu, eigen);
        eigen->setzeTextFarbe(farbe);
        QCOMPARE(eigen->textFarbe(), farbe);
        for (TLeiste* l : {&alt, &neu}) {
            l->knopf->setAttribute(Qt::WA_UnderMouse, maus);
            l->knopf->setEnabled(!aus);
            l->knopf->setDown(gedrueckt);
        }
        const QImage vorher = alt.seite->grab().toImage();
        const QImage nachher = neu.seite->grab().toImage();
        if (vorher != nachher) {
            for (auto g : {QPalette::Active, QPalette::Disabled, QPalette::Inactive})
                for (int r = 0; r < QPalette::NColorRoles; ++r)
                    if (mitBlatt->palette().color(g, QPalette::ColorRole(r)) !=
                        eigen->palette().color(g, QPalette::ColorRole(r)))
                        qWarning(
                            "group %d role %d: %s / %s", g, r,
                            qPrintable(mitBlatt->palette().color(g, QPalette::ColorRole(r)).name()),
                            qPrintable(eigen->palette().color(g, QPalette::ColorRole(r)).name()));
            vorher.save(QStringLiteral("/tmp/wtf/knopf_alt.png"));
            nachher.save(QStringLiteral("/tmp/wtf/knopf_neu.png"));
        }
        QVERIFY(vorher == nachher);
    }
};

QTEST_MAIN(tst_TWerkzeugKnopf)
#include "tst_TWerkzeugKnopf.moc"
