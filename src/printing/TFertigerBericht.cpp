#include "printing/TFertigerBericht.h"

QList<TSeitenBereich> TFertigerBericht::seiten(int seitenHoehe) const {
    return TSeitenaufteilung::aufteilen(seitenHoehe, Layout.Seitenkopf.hoehe, Layout.Daten.hoehe,
                                        Layout.Seitenfuss.hoehe, Datensaetze.size());
}

TBandZustand TFertigerBericht::zustand(const TBerichtBand& band) {
    TBandZustand z;
    z.reserve(band.objekte.size());
    for (const TBerichtObjekt& o : band.objekte)
        z.append(TObjektZustand::von(o));
    return z;
}

TBandZustand TFertigerBericht::kopfZustand(const TSeitenBereich& seite) const {
    if (seite.erster < Datensaetze.size())
        return Datensaetze.at(seite.erster).kopf;
    return zustand(Layout.Seitenkopf);
}

TBandZustand TFertigerBericht::fussZustand(const TSeitenBereich& seite) const {
    if (seite.erster < Datensaetze.size())
        return Datensaetze.at(seite.erster).fuss;
    return zustand(Layout.Seitenfuss);
}

QString TFertigerBericht::seitenText(const TObjektZustand& zustand, qsizetype seitenNummer) {
    if (!zustand.seitenNummerAuswerten)
        return zustand.text;
    return QString(zustand.text).replace(QStringLiteral("[PAGE#]"), QString::number(seitenNummer));
}
