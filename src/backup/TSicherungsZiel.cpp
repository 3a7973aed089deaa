#include "backup/TSicherungsZiel.h"

#include <QDir>

QString TSicherungsZiel::beschriftung() const {
    const QString ordner = QDir::toNativeSeparators(pfad);
    if (name.isEmpty() || QDir::cleanPath(name) == QDir::cleanPath(pfad))
        return ordner;
    return name + QStringLiteral(" (") + ordner + QLatin1Char(')');
}
