#include "shell/TTippsDatei.h"

#include "shell/TIniDokument.h"

namespace {

const QString kTips = QStringLiteral("TIPS");
const QString kTipText = QStringLiteral("TIP TEXT");
const QString kZeigen = QStringLiteral("ShowOnStartup");
const QString kNaechster = QStringLiteral("NextTip");

} // namespace

TTippsDatei::TTippsDatei(const QString& pfad) {
    if (!pfad.isEmpty())
        m_ini.emplace(pfad);
}

bool TTippsDatei::ZeigenBeimStart() const {
    return m_ini && m_ini->boolLesen(kTips, kZeigen, false);
}

bool TTippsDatei::Kontrollkaestchen() const {
    return m_ini && m_ini->boolLesen(kTips, kZeigen, true);
}

bool TTippsDatei::SetzeZeigenBeimStart(bool zeigen) {
    return !m_ini || m_ini->boolSchreiben(kTips, kZeigen, zeigen);
}

QString TTippsDatei::NaechsterTipp(bool* geschrieben) {
    if (geschrieben)
        *geschrieben = true;
    if (!m_ini)
        return {};
    // One read and one write of the file for the whole step.
    TIniDokument dokument(m_ini->pfad());
    int n = dokument.zahlLesen(kTips, kNaechster, 1);
    QString tipp = dokument.textLesen(kTipText, QStringLiteral("Tip") + QString::number(n), {});
    if (tipp.isEmpty()) {
        n = 1;
        tipp = dokument.textLesen(kTipText, QStringLiteral("Tip1"), {});
    }
    // Wraps like a 32-bit counter instead of overflowing; the wrapped value names no tip.
    const int weiter = static_cast<int>(static_cast<quint32>(n) + 1u);
    const bool ok = dokument.zahlSetzen(kTips, kNaechster, weiter) && dokument.speichern();
    if (geschrieben)
        *geschrieben = ok;
    return tipp;
}
