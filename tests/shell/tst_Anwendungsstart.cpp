#include "shell/TTexte.h"
#include "shell/ui/TAnwendungsStart.h"
#include "shell/ui/TSchriftVorlauf.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QtTest>
#include <cstring>
#include <link.h>
#include <utility>

namespace {

// The shared objects loaded into this process whose path contains `teil`.
QStringList geladen(const char* teil) {
    QStringList namen;
    std::pair<const char*, QStringList*> suche(teil, &namen);
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* daten) {
            auto* s = static_cast<std::pair<const char*, QStringList*>*>(daten);
            if (info->dlpi_name && std::strstr(info->dlpi_name, s->first))
                s->second->append(QString::fromLocal8Bit(info->dlpi_name));
            return 0;
        },
        &suche);
    return namen;
}

} // namespace

// The program's start as main() does it: the font configuration read on a second thread while
// the application starts, then the application's set-up. Run against the real font
// configuration and image decoders.
class tst_Anwendungsstart : public QObject {
    Q_OBJECT

private slots:
    void schriftenWieOhneVorlauf() {
        // What the configuration read on the helper thread must give: every family and alias
        // the windows name, served by the installed fonts (fonts-liberation2, fonts-comic-neue).
        const QStringList familien = QFontDatabase::families();
        QVERIFY(familien.contains(QStringLiteral("Liberation Sans")));
        QVERIFY(familien.contains(QStringLiteral("Comic Neue")));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
                 QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Comic Sans MS"))).family(),
                 QStringLiteral("Comic Neue"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(),
                 QStringLiteral("Liberation Serif"));
    }

    void anwendungEingerichtet() {
        QCOMPARE(QCoreApplication::applicationName(), TTexte::kurzTitel());
        const QIcon symbol = QApplication::windowIcon();
        QCOMPARE(symbol.availableSizes(), QList<QSize>{QSize(256, 256)});
        // The icon is taken out when first shown, decoded already: reading a PNG would ask
        // every image plugin first and load all of them into the program.
        QVERIFY2(geladen("imageformats").isEmpty(), qPrintable(geladen("imageformats").join(u' ')));
        QCOMPARE(symbol.pixmap(256).size(), QSize(256, 256));
        QVERIFY2(geladen("imageformats").isEmpty(), qPrintable(geladen("imageformats").join(u' ')));
    }

    void wartenMehrmals() {
        TSchriftVorlauf vorlauf;
        vorlauf.warten();
        vorlauf.warten();
    }
};

int main(int argc, char* argv[]) {
    TSchriftVorlauf schriften;
    QApplication anwendung(argc, argv);
    TAnwendungsStart::einrichten(anwendung);
    schriften.warten();
    tst_Anwendungsstart test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Anwendungsstart.moc"
