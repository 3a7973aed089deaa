#pragma once

#include "printing/IBerichtVorschau.h"
#include "printing/TFertigerBericht.h"

#include <QList>

// Keeps every report it is asked to show; reads a box's text of one record by name.
class TFakeVorschau : public IBerichtVorschau {
public:
    void zeigen(const TFertigerBericht& bericht) override { gezeigt.append(bericht); }

    QList<TFertigerBericht> gezeigt;

    const TFertigerBericht& letzter() const { return gezeigt.constLast(); }
    // Detail, header and footer boxes; `datensatz` counts from 0.
    static const TObjektZustand* zustand(const TFertigerBericht& b, qsizetype datensatz,
                                         const QString& name) {
        const TDatensatzBild& bild = b.Datensaetze.at(datensatz);
        const TBerichtBand* baender[] = {&b.Layout.Daten, &b.Layout.Seitenkopf,
                                         &b.Layout.Seitenfuss};
        const TBandZustand* zustaende[] = {&bild.daten, &bild.kopf, &bild.fuss};
        for (int k = 0; k < 3; ++k)
            for (qsizetype i = 0; i < baender[k]->objekte.size(); ++i)
                if (baender[k]->objekte.at(i).name == name)
                    return &zustaende[k]->at(i);
        return nullptr;
    }
    static QString text(const TFertigerBericht& b, qsizetype datensatz, const char* name) {
        const TObjektZustand* z = zustand(b, datensatz, QString::fromLatin1(name));
        return z ? z->text : QStringLiteral("<kein %1>").arg(QString::fromLatin1(name));
    }
    // One column of every record.
    static QStringList spalte(const TFertigerBericht& b, const char* name) {
        QStringList werte;
        for (qsizetype i = 0; i < b.Datensaetze.size(); ++i)
            werte.append(text(b, i, name));
        return werte;
    }
};
