#include "shell/ui/TModulLader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

QStringList& gesetzteOrdner() {
    static QStringList ordner;
    return ordner;
}

} // namespace

QStringList TModulLader::standardOrdner() {
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/" DRILLA_MODUL_RELATIV))};
}

void TModulLader::setzeOrdner(const QStringList& ordner) {
    gesetzteOrdner() = ordner;
}

QStringList TModulLader::ordner() {
    return gesetzteOrdner().isEmpty() ? standardOrdner() : gesetzteOrdner();
}

QFunctionPointer TModulLader::laden(const QStringList& ordner, const QString& name,
                                    const char* symbol, QString* fehler) {
    for (const QString& o : ordner) {
        QLibrary bibliothek(o + QLatin1Char('/') + name);
        // The module's objects live as long as the program uses them.
        bibliothek.setLoadHints(QLibrary::PreventUnloadHint);
        if (QFunctionPointer f = bibliothek.resolve(symbol))
            return f;
        if (fehler)
            *fehler = bibliothek.errorString();
    }
    return nullptr;
}
