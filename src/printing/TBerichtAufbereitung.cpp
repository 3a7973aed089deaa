#include "printing/TBerichtAufbereitung.h"

#include "printing/IDatensatzQuelle.h"
#include "printing/IFortschritt.h"

namespace {

// Keeps the previous copy when nothing changed, so equal headers share one list.
void festhalten(TBandZustand& letzter, const TBerichtBand& band) {
    TBandZustand neu = TFertigerBericht::zustand(band);
    if (neu != letzter)
        letzter = std::move(neu);
}

} // namespace

std::optional<TFertigerBericht> TBerichtAufbereitung::vorbereiten(TBerichtLayout& layout,
                                                                  IDatensatzQuelle& quelle,
                                                                  IFortschritt* fortschritt) {
    const int gesamt = std::max(0, quelle.anzahl());
    TFertigerBericht bericht;
    bericht.Datensaetze.reserve(gesamt);
    if (fortschritt)
        fortschritt->beginnen(gesamt);
    TBandZustand kopf, fuss;
    bool abgebrochen = false;
    for (int i = 0; i < gesamt; ++i) {
        if (i == 0)
            quelle.erster(layout);
        else
            quelle.naechster(layout);
        festhalten(kopf, layout.Seitenkopf);
        festhalten(fuss, layout.Seitenfuss);
        bericht.Datensaetze.append({kopf, TFertigerBericht::zustand(layout.Daten), fuss});
        if (fortschritt && !fortschritt->melden(i + 1, gesamt)) {
            abgebrochen = true;
            break;
        }
    }
    if (fortschritt)
        fortschritt->beenden();
    if (abgebrochen)
        return std::nullopt;
    bericht.Layout = layout;
    return bericht;
}
