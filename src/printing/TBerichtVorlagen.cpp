#include "printing/TBerichtVorlagen.h"

#include "shell/TTexte.h"

namespace {

const QString kComic = QStringLiteral("Comic Sans MS");
const QString kArial = QStringLiteral("Arial");

TBerichtObjekt box(const char* name, int links, int oben, int breite, int hoehe) {
    TBerichtObjekt o;
    o.name = QString::fromLatin1(name);
    o.links = links;
    o.oben = oben;
    o.breite = breite;
    o.hoehe = hoehe;
    o.schriftart = kArial;
    return o;
}

TBerichtObjekt schrift(TBerichtObjekt o, const QString& art, int punkte, bool fett,
                       TBerichtFarbe farbe, TAusrichtung ausrichtung) {
    o.schriftart = art;
    o.punkte = punkte;
    o.fett = fett;
    o.textFarbe = farbe;
    o.ausrichtung = ausrichtung;
    return o;
}

// Product line, kind of print and lesson path; the list's path sits a little higher.
void kopfAnlegen(TBerichtBand& kopf, int hoehe, int pfadOben) {
    kopf = {QStringLiteral("PageHeader1"), TBandArt::Seitenkopf, hoehe, {}};
    TBerichtObjekt memo1 = schrift(box("Memo1", 1, 0, 756, 22), kComic, 12, false,
                                   TBerichtVorlagen::kWeiss, TAusrichtung::Mitte);
    memo1.gefuellt = true;
    memo1.fuellFarbe = TBerichtVorlagen::kNavy;
    memo1.wortUmbruch = true;
    kopf.objekte.append(memo1);
    TBerichtObjekt memo8 = schrift(box("Memo8", 1, 63, 756, 26), kComic, 12, false,
                                   TBerichtVorlagen::kNavy, TAusrichtung::Mitte);
    memo8.linieUnten = true;
    memo8.wortUmbruch = true;
    kopf.objekte.append(memo8);
    TBerichtObjekt pfad = schrift(box("LektionsMemo", 294, pfadOben, 168, 18), kArial, 11, true,
                                  TBerichtVorlagen::kSchwarz, TAusrichtung::Mitte);
    pfad.autoBreite = true;
    kopf.objekte.append(pfad);
}

void fussAnlegen(TBerichtBand& fuss) {
    fuss = {QStringLiteral("PageFooter1"), TBandArt::Seitenfuss, 26, {}};
    TBerichtObjekt regel = box("Memo13", 15, 0, 727, 1);
    regel.linieOben = true;
    regel.linieObenStaerke = 2;
    fuss.objekte.append(regel);
    TBerichtObjekt links = schrift(box("Memo4", 15, 4, 153, 18), kArial, 10, false,
                                   TBerichtVorlagen::kSchwarz, TAusrichtung::Links);
    links.text = TTexte::kurzTitel().trimmed();
    links.autoBreite = true;
    fuss.objekte.append(links);
    TBerichtObjekt seite = schrift(box("Memo5", 650, 4, 92, 18), kArial, 10, false,
                                   TBerichtVorlagen::kSchwarz, TAusrichtung::Rechts);
    seite.text = QStringLiteral("Seite [PAGE#]");
    seite.seitenNummerAuswerten = true;
    seite.autoBreite = true;
    fuss.objekte.append(seite);
}

TBerichtObjekt zeilenGrund(int hoehe, TBerichtFarbe ungerade) {
    TBerichtObjekt grund = box("Memo2", 15, 0, 727, hoehe);
    grund.linieObenGepunktet = true;
    grund.ungeradeFuellen = true;
    grund.ungeradeFarbe = ungerade;
    return grund;
}

} // namespace

TBerichtLayout TBerichtVorlagen::lektionsBericht(bool schatten) {
    TBerichtLayout l;
    kopfAnlegen(l.Seitenkopf, 134, 103);
    fussAnlegen(l.Seitenfuss);
    l.Daten = {QStringLiteral("MasterData1"), TBandArt::Daten, 82, {}};
    l.Daten.objekte.append(zeilenGrund(82, kHellgelb));
    // The layout gives these boxes white bold text and no fill of their own; navy keeps the
    // text readable where no colour is set (the editor's copy).
    auto rund = [schatten](const char* name, int links, int oben, int breite, const char* text) {
        TBerichtObjekt o = schrift(box(name, links, oben, breite, 30), kArial, 10, true, kWeiss,
                                   TAusrichtung::Mitte);
        o.abgerundet = true;
        o.schatten = schatten;
        o.gefuellt = true;
        o.fuellFarbe = kNavy;
        o.text = QString::fromUtf8(text);
        return o;
    };
    TBerichtObjekt index = rund("IndexMemo", 76, 8, 64, "");
    index.wortUmbruch = true;
    l.Daten.objekte.append(index);
    l.Daten.objekte.append(rund("AufgabeLabel", 156, 8, 100, "Aufgabe"));
    l.Daten.objekte.append(rund("AntwortLabel", 156, 48, 100, "Antwort"));
    for (const auto& [name, oben] : {std::pair{"AufgabeMemo", 12}, std::pair{"AntwortMemo", 48}}) {
        TBerichtObjekt memo = schrift(box(name, 272, oben, 456, 22), kComic, 11, false, kSchwarz,
                                      TAusrichtung::Mitte);
        memo.linieUnten = true;
        l.Daten.objekte.append(memo);
    }
    l.Titel = QStringLiteral(" Lektion");
    return l;
}

TBerichtLayout TBerichtVorlagen::lektionsListe() {
    TBerichtLayout l;
    kopfAnlegen(l.Seitenkopf, 142, 95);
    const struct {
        const char* name;
        int links, breite;
        const char* text;
        TAusrichtung ausrichtung;
    } spalten[] = {{"Memo3", 22, 32, "Nr.", TAusrichtung::Rechts},
                   {"Memo6", 64, 452, "Dateiname der Lektion", TAusrichtung::Mitte},
                   {"Memo9", 530, 96, "Größe", TAusrichtung::Rechts},
                   {"Memo7", 640, 100, "Datum", TAusrichtung::Rechts}};
    for (const auto& s : spalten) {
        TBerichtObjekt o = schrift(box(s.name, s.links, 118, s.breite, 18), kArial, 11, true,
                                   kSchwarz, s.ausrichtung);
        o.text = QString::fromUtf8(s.text);
        o.autoBreite = true;
        l.Seitenkopf.objekte.append(o);
    }
    fussAnlegen(l.Seitenfuss);
    l.Daten = {QStringLiteral("MasterData1"), TBandArt::Daten, 30, {}};
    l.Daten.objekte.append(zeilenGrund(30, kHellgelb));
    const struct {
        const char* name;
        int links, breite;
        TAusrichtung ausrichtung;
    } felder[] = {{"MemoNr", 20, 32, TAusrichtung::Rechts},
                  {"MemoDateiname", 64, 452, TAusrichtung::Links},
                  {"MemoGroesse", 530, 96, TAusrichtung::Rechts},
                  {"MemoDatum", 640, 100, TAusrichtung::Rechts}};
    for (const auto& s : felder)
        l.Daten.objekte.append(schrift(box(s.name, s.links, 4, s.breite, 22), kComic, 11, false,
                                       kSchwarz, s.ausrichtung));
    l.Titel = QStringLiteral(" Liste aller Lektion");
    return l;
}
