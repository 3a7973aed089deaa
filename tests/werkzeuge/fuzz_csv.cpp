#include "austausch/TCsvTabelle.h"
#include "austausch/TLektionsAustausch.h"
#include "austausch/TTextDekodierung.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(laenge));
    const QString text = TTextDekodierung::dekodieren(bytes);
    const TCsvTabelle t = TCsvTabelle::lesen(text, TCsvTabelle::trennerErkennen(text));
    const QStringList kopf = t.zeilen.value(0);
    const auto e = TLektionsAustausch::ausCsv(t, TCsvTabelle::aufgabenSpalte(kopf), 1,
                                              TCsvTabelle::kopfzeileErkannt(kopf));
    TLektionsAustausch::pruefen(e);
    const QStringList zeilen = TLektionsAustausch::zeilen(e, false);
    // What the export writes, the import must give back.
    const QByteArray csv = TLektionsAustausch::nachCsv(zeilen);
    const TCsvTabelle zurueck = TCsvTabelle::lesen(QString::fromUtf8(csv), QLatin1Char(','));
    if (TLektionsAustausch::zeilen(TLektionsAustausch::ausCsv(zurueck, 0, 1, true), false) !=
        zeilen)
        __builtin_trap();
    return 0;
}
