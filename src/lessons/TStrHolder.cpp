#include "lessons/TStrHolder.h"

#include "lessons/TAnsiCodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <utility>

namespace {

// Per absolute path: true while the file is known to hold a NUL that has not been secured yet,
// false once it is known to be clean or secured. Paths not listed have not been seen this run.
QHash<QString, bool>& nulBekannt() {
    static QHash<QString, bool> bekannt;
    return bekannt;
}

QStringList& sicherungen() {
    static QStringList liste;
    return liste;
}

QString schluesselFuer(const QString& pfad) {
    return QFileInfo(pfad).absoluteFilePath();
}

// The one way a file reaches the disk: `fuellen` writes into a temporary file beside the
// target, which takes the target's place only when every byte got out. When `fuellen` fails
// (or gives up), the temporary file goes and the target stays untouched.
bool sicherSchreiben(const QString& pfad, const std::function<bool(QSaveFile&)>& fuellen) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    // A short write sits in the buffer until commit(), which on a full disk would still put
    // the empty temporary file in place: push it out first and give up on any error.
    if (!fuellen(datei) || !datei.flush() || datei.error() != QFileDevice::NoError) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

bool rohSpeichern(const QString& pfad, const QByteArray& bytes) {
    return sicherSchreiben(
        pfad, [&bytes](QSaveFile& datei) { return datei.write(bytes) == bytes.size(); });
}

// Keeps the bytes of a damaged file before its first rewrite. False when that copy was needed
// but could not be made; the file must then stay as it is.
bool beschaedigteSichern(const QString& pfad) {
    const QString schluessel = schluesselFuer(pfad);
    auto it = nulBekannt().find(schluessel);
    if (it != nulBekannt().end() && !*it)
        return true;
    QFile alt(pfad);
    if (!alt.exists()) {
        nulBekannt().insert(schluessel, false);
        return true;
    }
    if (!alt.open(QIODevice::ReadOnly))
        return false; // cannot tell; a file that cannot be read is not replaced either
    const QByteArray bytes = alt.readAll();
    if (alt.error() != QFileDevice::NoError)
        return false;
    alt.close();
    if (!bytes.contains('\0')) {
        nulBekannt().insert(schluessel, false);
        return true;
    }
    QString kopie = pfad + QStringLiteral(".original");
    for (int n = 2; QFileInfo::exists(kopie); ++n)
        kopie = pfad + QStringLiteral(".original") + QString::number(n);
    if (!rohSpeichern(kopie, bytes))
        return false;
    nulBekannt().insert(schluessel, false);
    sicherungen().append(QDir::toNativeSeparators(kopie));
    return true;
}

} // namespace

QStringList TStrHolder::ausBytes(const QByteArray& bytes) {
    QStringList zeilen;
    const char* daten = bytes.constData();
    qsizetype ende = bytes.indexOf('\0');
    if (ende < 0)
        ende = bytes.size();
    qsizetype anfang = 0;
    qsizetype i = 0;
    while (i < ende) {
        const char c = daten[i];
        if (c == '\r' || c == '\n') {
            zeilen.append(TAnsiCodec::dekodieren(daten + anfang, i - anfang));
            ++i;
            if (c == '\r' && i < ende && daten[i] == '\n')
                ++i;
            anfang = i;
        } else {
            ++i;
        }
    }
    if (anfang < ende)
        zeilen.append(TAnsiCodec::dekodieren(daten + anfang, ende - anfang));
    return zeilen;
}

QByteArray TStrHolder::inBytes(const QStringList& zeilen, bool* ok) {
    qsizetype groesse = 0;
    for (const QString& z : zeilen)
        groesse += z.size() + 2;
    QByteArray bytes;
    bytes.reserve(groesse);
    bool alles = true;
    for (const QString& z : zeilen) {
        bool zeileOk = true;
        bytes.append(TAnsiCodec::kodieren(z, &zeileOk));
        bytes.append("\r\n", 2);
        alles = alles && zeileOk;
    }
    if (ok)
        *ok = alles;
    return alles ? bytes : QByteArray();
}

bool TStrHolder::laden(const QString& pfad, QStringList& zeilen) {
    zeilen.clear();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return false;
    // Only the first sight of a file counts: after our own rewrite it has no NUL any more.
    const QString schluessel = schluesselFuer(pfad);
    if (!nulBekannt().contains(schluessel))
        nulBekannt().insert(schluessel, bytes.contains('\0'));
    zeilen = ausBytes(bytes);
    return true;
}

bool TStrHolder::speichern(const QString& pfad, const QStringList& zeilen) {
    bool ok = true;
    const QByteArray bytes = inBytes(zeilen, &ok);
    return ok && bytesSpeichern(pfad, bytes);
}

bool TStrHolder::bytesSpeichern(const QString& pfad, const QByteArray& bytes) {
    return beschaedigteSichern(pfad) && rohSpeichern(pfad, bytes);
}

TStrHolder::KopierErgebnis TStrHolder::dateiKopieren(const QString& quelle, const QString& ziel,
                                                     const std::function<bool(qint64)>& weiter) {
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return KopierErgebnis::NichtLesbar;
    const QDateTime geaendert = ein.fileTime(QFileDevice::FileModificationTime);
    KopierErgebnis ergebnis = KopierErgebnis::Fertig;
    const bool ok = sicherSchreiben(ziel, [&](QSaveFile& aus) {
        constexpr qint64 kBlock = 256 * 1024;
        QByteArray block(kBlock, Qt::Uninitialized);
        qint64 kopiert = 0;
        for (;;) {
            const qint64 gelesen = ein.read(block.data(), kBlock);
            if (gelesen < 0 || ein.error() != QFileDevice::NoError) {
                ergebnis = KopierErgebnis::NichtLesbar;
                return false;
            }
            if (gelesen == 0)
                break;
            if (aus.write(block.constData(), gelesen) != gelesen) {
                ergebnis = KopierErgebnis::NichtSchreibbar;
                return false;
            }
            kopiert += gelesen;
            if (weiter && !weiter(kopiert)) {
                ergebnis = KopierErgebnis::Abgebrochen;
                return false;
            }
        }
        // Written out before the time is set, so that no later write moves it again.
        if (!aus.flush()) {
            ergebnis = KopierErgebnis::NichtSchreibbar;
            return false;
        }
        if (geaendert.isValid())
            aus.setFileTime(geaendert, QFileDevice::FileModificationTime);
        return true;
    });
    if (ok)
        return KopierErgebnis::Fertig;
    return ergebnis == KopierErgebnis::Fertig ? KopierErgebnis::NichtSchreibbar : ergebnis;
}

QStringList TStrHolder::neueSicherungen() {
    return std::exchange(sicherungen(), {});
}

void TStrHolder::sicherungenMelden(IMeldungen& meldungen) {
    for (const QString& kopie : neueSicherungen())
        meldungen.meldung(TMeldungsArt::Information, QStringLiteral("Information"),
                          sicherungsMeldung(kopie));
}

QString TStrHolder::sicherungsMeldung(const QString& kopie) {
    return QStringLiteral("Eine Datei enthielt beschädigte Daten.\r\nDer ursprüngliche Inhalt "
                          "wurde unverändert gesichert als:\r\n") +
           kopie;
}
