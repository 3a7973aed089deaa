#pragma once

#include <QDir>
#include <QProcess>
#include <QStringList>

inline bool befehl(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A file system mounted for the lifetime of the object (needs root; ok() says whether it worked).
class TEinhaengung {
public:
    TEinhaengung(const QString& ziel, const QStringList& argumente) : m_ziel(ziel) {
        m_ok =
            QDir().mkpath(ziel) && befehl(QStringLiteral("mount"), argumente + QStringList{ziel});
    }
    ~TEinhaengung() {
        if (m_ok)
            befehl(QStringLiteral("umount"), {m_ziel});
    }
    bool ok() const { return m_ok; }

private:
    QString m_ziel;
    bool m_ok = false;
};
