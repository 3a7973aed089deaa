#include "lessons/TStrHolder.h"

#include "lessons/TAnsiCodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <bit>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif
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

// The larger of the counts of CR and LF, plus one: the number of lines unless a file mixes
// its line ends, when the list simply grows.
qsizetype zeilenSchaetzen(const unsigned char* daten, qsizetype n) {
    qsizetype cr = 0;
    qsizetype lf = 0;
    qsizetype i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Per byte lane a counter that each match raises by one, summed up before it can overflow.
    const __m128i crs = _mm_set1_epi8('\r');
    const __m128i lfs = _mm_set1_epi8('\n');
    const __m128i null = _mm_setzero_si128();
    auto summe = [&null](__m128i zaehler) {
        const __m128i s = _mm_sad_epu8(zaehler, null);
        return static_cast<qsizetype>(_mm_cvtsi128_si32(s) +
                                      _mm_cvtsi128_si32(_mm_unpackhi_epi64(s, s)));
    };
    while (i + 16 <= n) {
        __m128i crZaehler = null;
        __m128i lfZaehler = null;
        for (int runde = 0; runde < 255 && i + 16 <= n; ++runde, i += 16) {
            const __m128i stueck = _mm_loadu_si128(reinterpret_cast<const __m128i*>(daten + i));
            crZaehler = _mm_sub_epi8(crZaehler, _mm_cmpeq_epi8(stueck, crs));
            lfZaehler = _mm_sub_epi8(lfZaehler, _mm_cmpeq_epi8(stueck, lfs));
        }
        cr += summe(crZaehler);
        lf += summe(lfZaehler);
    }
#endif
    for (; i < n; ++i) {
        cr += daten[i] == '\r';
        lf += daten[i] == '\n';
    }
    return std::max(cr, lf) + 1;
}

// Decodes n bytes into n characters and calls zeilenende(i) for every CR and LF, in order.
// Text is mostly ASCII: 16 bytes at a time are widened and searched for line ends at once;
// only bytes from 0x80 go through the code page's table.
template <typename TZeilenende>
void zeichenUndZeilenenden(const unsigned char* daten, char16_t* ziel, qsizetype n,
                           TZeilenende&& zeilenende) {
    const std::array<char16_t, 256>& tabelle = TAnsiCodec::tabelle();
    qsizetype i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i null = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i stueck = _mm_loadu_si128(reinterpret_cast<const __m128i*>(daten + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), _mm_unpacklo_epi8(stueck, null));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i + 8), _mm_unpackhi_epi8(stueck, null));
        if (unsigned hoch = static_cast<unsigned>(_mm_movemask_epi8(stueck))) {
            for (; hoch; hoch &= hoch - 1) {
                const qsizetype k = i + std::countr_zero(hoch);
                ziel[k] = tabelle[daten[k]];
            }
        }
        const __m128i enden = _mm_or_si128(_mm_cmpeq_epi8(stueck, cr), _mm_cmpeq_epi8(stueck, lf));
        for (auto maske = static_cast<unsigned>(_mm_movemask_epi8(enden)); maske;
             maske &= maske - 1)
            zeilenende(i + std::countr_zero(maske));
    }
#endif
    for (; i < n; ++i) {
        ziel[i] = tabelle[daten[i]];
        if (daten[i] == '\r' || daten[i] == '\n')
            zeilenende(i);
    }
}

} // namespace

QStringList TStrHolder::ausBytes(const QByteArray& bytes) {
    QStringList zeilen;
    const auto* daten = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype ende = bytes.indexOf('\0');
    if (ende < 0)
        ende = bytes.size();
    if (ende == 0)
        return zeilen;
    // All lines live in one block, one character per byte; each line end becomes the NUL
    // that ends that line, so every line is terminated like any other string. The lines
    // share the block instead of holding 100,000 allocations of their own; a line that is
    // changed later gets its own copy as usual.
    QString block(ende, Qt::Uninitialized);
    QStringPrivate& blockDaten = block.data_ptr();
    char16_t* basis = blockDaten.data();
    zeilen.reserve(zeilenSchaetzen(daten, ende));

    qsizetype anfang = 0;
    qsizetype nachCr = -1; // the position just after a CR: an LF there ends no line
    auto zeilenende = [&](qsizetype i) {
        basis[i] = 0;
        if (i == nachCr && daten[i] == '\n') {
            anfang = i + 1;
            return;
        }
        blockDaten.d_ptr()->ref();
        zeilen.append(QString(QStringPrivate(blockDaten.d_ptr(), basis + anfang, i - anfang)));
        anfang = i + 1;
        if (daten[i] == '\r')
            nachCr = i + 1;
    };
    zeichenUndZeilenenden(daten, basis, ende, zeilenende);
    if (anfang < ende) {
        blockDaten.d_ptr()->ref();
        zeilen.append(QString(QStringPrivate(blockDaten.d_ptr(), basis + anfang, ende - anfang)));
    }
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
