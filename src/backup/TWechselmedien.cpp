#include "backup/TWechselmedien.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace {

bool unterMedienOrdner(const QString& wurzel) {
    const QString sauber = QDir::cleanPath(wurzel);
    for (const QString& basis : {QStringLiteral("/media/"), QStringLiteral("/run/media/")})
        if (sauber.startsWith(basis) && sauber.size() > basis.size())
            return true;
    return false;
}

} // namespace

QList<TSicherungsZiel> TWechselmedien::ermitteln() {
    QList<TEinhaengung> liste;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
        liste.append({s.rootPath(), s.displayName(), s.isValid() && s.isReady(), s.isReadOnly()});
    return auswaehlen(liste);
}

bool TWechselmedien::eingehaengt(const QString& wurzel) {
    const QStorageInfo s(wurzel);
    return s.isValid() && s.isReady() && QDir::cleanPath(s.rootPath()) == QDir::cleanPath(wurzel);
}

QList<TSicherungsZiel> TWechselmedien::auswaehlen(const QList<TEinhaengung>& einhaengungen) {
    QList<TSicherungsZiel> ziele;
    for (const TEinhaengung& e : einhaengungen) {
        if (!e.bereit || e.nurLesen || !unterMedienOrdner(e.wurzel))
            continue;
        const QString wurzel = QDir::cleanPath(e.wurzel);
        // Without a label the system names the medium by its mount point.
        QString name = e.name.trimmed();
        if (name.isEmpty() || QDir::cleanPath(name) == wurzel)
            name = wurzel.section(QLatin1Char('/'), -1);
        ziele.append({name, wurzel + QLatin1Char('/'), true});
    }
    std::sort(ziele.begin(), ziele.end(),
              [](const TSicherungsZiel& a, const TSicherungsZiel& b) { return a.pfad < b.pfad; });
    // A medium mounted twice is offered once.
    ziele.erase(std::unique(ziele.begin(), ziele.end(),
                            [](const TSicherungsZiel& a, const TSicherungsZiel& b) {
                                return a.pfad == b.pfad;
                            }),
                ziele.end());
    return ziele;
}
