#include "shell/TIniDokument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    // The reader takes a file: one per process.
    static const QString pfad =
        QDir::tempPath() +
        QStringLiteral("/drilla_fuzz_%1.ini").arg(QCoreApplication::applicationPid());
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(daten), qint64(laenge));
    }
    TIniDokument ini(pfad);
    ini.textLesen(QStringLiteral("Setup"), QStringLiteral("MenuSchrift"), QString());
    ini.zahlLesen(QStringLiteral("Historie"), QStringLiteral("Letzte_Lektion#1"), 0);
    if (ini.textSetzen(QStringLiteral("Setup"), QStringLiteral("Neu"), QStringLiteral("wert")) &&
        ini.textLesen(QStringLiteral("Setup"), QStringLiteral("Neu"), QString()) !=
            QStringLiteral("wert"))
        __builtin_trap();
    return 0;
}
