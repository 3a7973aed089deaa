// A small mutation driver for the fuzz targets where no libFuzzer is at hand: it runs every
// seed file, then mutated inputs (bit flips, inserted and deleted bytes, splices of two seeds,
// tokens of the formats) until the given number of seconds is over. A crash or a sanitizer
// report ends the process, as it would under libFuzzer.
#include <QByteArray>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge);

namespace {

const char* const kMarken[] = {"\"",
                               "\"\"",
                               ",",
                               ";",
                               "\t",
                               "\r\n",
                               "\r",
                               "\n",
                               "\xEF\xBB\xBF",
                               "\xFF\xFE",
                               "\xFE\xFF",
                               "<kvtml>",
                               "</kvtml>",
                               "<entry>",
                               "</entry>",
                               "<translation id=\"1\">",
                               "</translation>",
                               "<text>",
                               "</text>",
                               "<![CDATA[",
                               "]]>",
                               "&amp;",
                               "&#0;",
                               "<!ENTITY a \"b\">",
                               "[",
                               "]",
                               "=",
                               "\0",
                               " ",
                               "Benutzer         : ",
                               "Datum            : ",
                               "Lektion          : ",
                               "Ergebnis         : ",
                               " Fehler",
                               "Status           : Lektion neu geladen"};

QByteArray mutieren(QByteArray b, const QList<QByteArray>& vorrat, QRandomGenerator& z) {
    const int schritte = 1 + int(z.bounded(4));
    for (int s = 0; s < schritte; ++s) {
        const qsizetype n = b.size();
        switch (z.bounded(5)) {
        case 0: // bit flip
            if (n > 0)
                b[z.bounded(int(n))] ^= char(1u << z.bounded(8));
            break;
        case 1: // byte insert
            b.insert(n > 0 ? z.bounded(int(n + 1)) : 0, char(z.bounded(256)));
            break;
        case 2: // delete a run
            if (n > 0) {
                const int ab = z.bounded(int(n));
                b.remove(ab, 1 + z.bounded(std::min(16, int(n - ab))));
            }
            break;
        case 3: { // splice with another seed
            const QByteArray& o = vorrat.at(z.bounded(int(vorrat.size())));
            const int a = n > 0 ? z.bounded(int(n)) : 0;
            const int c = o.isEmpty() ? 0 : z.bounded(int(o.size()));
            b = b.left(a) + o.mid(c);
            break;
        }
        default: { // a token of the formats
            const char* t = kMarken[z.bounded(int(std::size(kMarken)))];
            const QByteArray token = *t ? QByteArray(t) : QByteArray(1, '\0');
            b.insert(n > 0 ? z.bounded(int(n + 1)) : 0, token);
        }
        }
    }
    // Inputs stay small enough to run many per second.
    return b.left(1 << 16);
}

void ausfuehren(const QByteArray& b) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s SEKUNDEN [SAATORDNER|DATEI ...]\n", argv[0]);
        return 2;
    }
    const double sekunden = std::atof(argv[1]);
    QList<QByteArray> vorrat = {QByteArray()};
    for (int i = 2; i < argc; ++i) {
        const QString ort = QString::fromLocal8Bit(argv[i]);
        QStringList dateien;
        if (QFileInfo(ort).isDir()) {
            QDirIterator it(ort, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                dateien << it.next();
        } else {
            dateien << ort;
        }
        for (const QString& d : dateien) {
            QFile f(d);
            if (f.size() <= (1 << 20) && f.open(QIODevice::ReadOnly))
                vorrat.append(f.readAll().left(1 << 16));
        }
    }
    for (const QByteArray& b : vorrat)
        ausfuehren(b);
    QRandomGenerator z(qgetenv("DRILLA_FUZZ_SAAT").isEmpty()
                           ? quint32(QRandomGenerator::global()->generate())
                           : quint32(qgetenv("DRILLA_FUZZ_SAAT").toUInt()));
    QElapsedTimer uhr;
    uhr.start();
    qint64 laeufe = 0;
    while (uhr.elapsed() < qint64(sekunden * 1000)) {
        const QByteArray b = mutieren(vorrat.at(z.bounded(int(vorrat.size()))), vorrat, z);
        ausfuehren(b);
        ++laeufe;
        // Inputs that grow are kept as seeds now and then, so mutations build on each other.
        if (laeufe % 64 == 0 && vorrat.size() < 4096)
            vorrat.append(b);
    }
    std::printf("%s: %zu Saaten, %lld Läufe in %.1f s\n", argv[0], size_t(vorrat.size()),
                static_cast<long long>(laeufe), double(uhr.elapsed()) / 1000.0);
    return 0;
}
