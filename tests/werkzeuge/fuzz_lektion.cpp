#include "lessons/TStrHolder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(laenge));
    const QStringList zeilen = TStrHolder::ausBytes(bytes);
    // Every line read can be written again and reads back the same.
    bool ok = false;
    const QByteArray wieder = TStrHolder::inBytes(zeilen, &ok);
    if (!ok || TStrHolder::ausBytes(wieder) != zeilen)
        __builtin_trap();
    return 0;
}
