#include "shell/TTippsDatei.h"

#include "shell/TBeispielLektionen.h"
#include "shell/TIniDokument.h"

#include <QFileInfo>

namespace {

const QString kDateiName = QStringLiteral("drilla3.tip");
const QString kTips = QStringLiteral("TIPS");
const QString kTipText = QStringLiteral("TIP TEXT");
const QString kZeigen = QStringLiteral("ShowOnStartup");
const QString kNaechster = QStringLiteral("NextTip");

} // namespace

TTippsDatei::TTippsDatei(const QString& pfad) : m_pfad(pfad) {}

QString TTippsDatei::ermitteln(const QString& programmVerzeichnis, const QString& datenVerzeichnis,
                               bool netzwerkmodus) {
    const QString geliefert = programmVerzeichnis + kDateiName;
    if (!QFileInfo::exists(geliefert))
        return {};
    if (!netzwerkmodus || QFileInfo(programmVerzeichnis).isWritable())
        return geliefert;
    const QString eigene = datenVerzeichnis + kDateiName;
    if (QFileInfo::exists(eigene) || TBeispielLektionen::dateiKopieren(geliefert, eigene))
        return eigene;
    return geliefert;
}

TIniDokument& TTippsDatei::dokument() const {
    if (!m_dokument)
        m_dokument.emplace(m_pfad);
    return *m_dokument;
}

bool TTippsDatei::ZeigenBeimStart() const {
    return vorhanden() && dokument().boolLesen(kTips, kZeigen, false);
}

bool TTippsDatei::Kontrollkaestchen() const {
    return vorhanden() && dokument().boolLesen(kTips, kZeigen, true);
}

bool TTippsDatei::SetzeZeigenBeimStart(bool zeigen) {
    return !vorhanden() || speichern(dokument().boolSetzen(kTips, kZeigen, zeigen));
}

bool TTippsDatei::speichern(bool gesetzt) {
    if (gesetzt && m_dokument->speichern())
        return true;
    // What could not be stored is not remembered either: the next question reads the file.
    m_dokument.reset();
    return false;
}

QString TTippsDatei::NaechsterTipp(bool* geschrieben) {
    if (geschrieben)
        *geschrieben = true;
    if (!vorhanden())
        return {};
    TIniDokument& d = dokument();
    int n = d.zahlLesen(kTips, kNaechster, 1);
    QString tipp = d.textLesen(kTipText, QStringLiteral("Tip") + QString::number(n), {});
    if (tipp.isEmpty()) {
        n = 1;
        tipp = d.textLesen(kTipText, QStringLiteral("Tip1"), {});
    }
    // Wraps like a 32-bit counter instead of overflowing; the wrapped value names no tip.
    const int weiter = static_cast<int>(static_cast<quint32>(n) + 1u);
    const bool ok = speichern(d.zahlSetzen(kTips, kNaechster, weiter));
    if (geschrieben)
        *geschrieben = ok;
    return tipp;
}
