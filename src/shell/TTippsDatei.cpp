#include "shell/TTippsDatei.h"

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
    int n = m_ini->zahlLesen(kTips, kNaechster, 1);
    QString tipp = m_ini->textLesen(kTipText, QStringLiteral("Tip") + QString::number(n), {});
    if (tipp.isEmpty()) {
        n = 1;
        tipp = m_ini->textLesen(kTipText, QStringLiteral("Tip1"), {});
    }
    // Wraps like a 32-bit counter instead of overflowing; the wrapped value names no tip.
    const int weiter = static_cast<int>(static_cast<quint32>(n) + 1u);
    const bool ok = m_ini->zahlSchreiben(kTips, kNaechster, weiter);
    if (geschrieben)
        *geschrieben = ok;
    return tipp;
}
