#include "austausch/TKvtmlDokument.h"
#include "austausch/TLektionsAustausch.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(laenge));
    const TKvtmlDokument d = TKvtmlDokument::lesen(bytes);
    const int a = d.sprachen.value(0).id, b = d.sprachen.value(1).id;
    const QStringList zeilen =
        TLektionsAustausch::zeilen(TLektionsAustausch::ausKvtml(d, a, b), true);
    const TKvtmlDokument zurueck =
        TKvtmlDokument::lesen(TLektionsAustausch::nachKvtml(zeilen, d.titel));
    if (!zurueck.fehler.isEmpty() ||
        TLektionsAustausch::zeilen(TLektionsAustausch::ausKvtml(zurueck, 0, 1), true) != zeilen)
        __builtin_trap();
    return 0;
}
