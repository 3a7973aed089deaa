// Synthesises the program's eight sound clips and the resource file that embeds them.
// Called by the build as `klaenge_erzeugen <outdir>`; the output is the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kZweiPi = 2.0 * std::numbers::pi;
// Peak level after normalising: clearly audible, never harsh.
constexpr double kSpitze = 0.55;

using TSamples = std::vector<double>;

int anzahlFuer(double sekunden) {
    return static_cast<int>(std::lround(sekunden * kRate));
}

// A tiny generator of our own: std distributions differ between libraries, this does not.
class TRauschen {
public:
    explicit TRauschen(std::uint32_t saat) : zustand_(saat ? saat : 1u) {}
    std::uint32_t roh() {
        zustand_ ^= zustand_ << 13;
        zustand_ ^= zustand_ >> 17;
        zustand_ ^= zustand_ << 5;
        return zustand_;
    }
    // Uniform in [0, 1).
    double gleich() { return roh() / 4294967296.0; }
    // Uniform in [-1, 1).
    double weiss() { return 2.0 * gleich() - 1.0; }

private:
    std::uint32_t zustand_;
};

// Two-pole resonant band-pass (state-variable form); frequency may change per sample.
class TBandpass {
public:
    explicit TBandpass(double guete) : daempfung_(1.0 / guete) {}
    double schritt(double ein, double frequenz) {
        const double f = 2.0 * std::sin(std::numbers::pi * std::min(frequenz, kRate / 6.0) / kRate);
        tief_ += f * band_;
        const double hoch = ein - tief_ - daempfung_ * band_;
        band_ += f * hoch;
        return band_;
    }

private:
    double daempfung_;
    double tief_ = 0.0;
    double band_ = 0.0;
};

class THochpass {
public:
    double schritt(double ein) {
        const double aus = 0.95 * (letzteAus_ + ein - letzteEin_);
        letzteEin_ = ein;
        letzteAus_ = aus;
        return aus;
    }

private:
    double letzteEin_ = 0.0;
    double letzteAus_ = 0.0;
};

void mischen(TSamples& ziel, const TSamples& quelle, int ab, double pegel = 1.0) {
    for (std::size_t i = 0; i < quelle.size(); ++i) {
        const std::size_t z = static_cast<std::size_t>(ab) + i;
        if (z >= ziel.size())
            break;
        ziel[z] += pegel * quelle[i];
    }
}

// Short ramps at both ends so that no clip starts or stops with a click.
void rampen(TSamples& s, double einSek, double ausSek) {
    const int ein = std::max(1, anzahlFuer(einSek));
    const int aus = std::max(1, anzahlFuer(ausSek));
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < std::min(ein, n); ++i)
        s[i] *= static_cast<double>(i) / ein;
    for (int i = 0; i < std::min(aus, n); ++i)
        s[n - 1 - i] *= static_cast<double>(i) / aus;
}

void normalisieren(TSamples& s) {
    double max = 0.0;
    for (double x : s)
        max = std::max(max, std::abs(x));
    if (max > 0.0) {
        for (double& x : s)
            x *= kSpitze / max;
    }
}

// One percussive hit: filtered noise plus a falling tone, both decaying quickly.
TSamples schlag(TRauschen& rauschen, double dauer, double rauschFrequenz, double tonAnfang,
                double tonEnde, double abklingen, double tonAnteil) {
    const int n = anzahlFuer(dauer);
    TSamples s(n);
    TBandpass filter(1.2);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double huelle = std::exp(-t * abklingen);
        const double ton = tonEnde + (tonAnfang - tonEnde) * std::exp(-t * 40.0);
        phase += kZweiPi * ton / kRate;
        const double geraeusch = filter.schritt(rauschen.weiss(), rauschFrequenz);
        s[i] = huelle * ((1.0 - tonAnteil) * geraeusch * 2.0 + tonAnteil * std::sin(phase));
    }
    return s;
}

TSamples tastenklick() {
    TRauschen rauschen(0x7a11u);
    TSamples s = schlag(rauschen, 0.04, 3500.0, 2600.0, 1800.0, 160.0, 0.35);
    // A faint second contact when the key bottoms out.
    mischen(s, schlag(rauschen, 0.02, 1800.0, 900.0, 700.0, 300.0, 0.5), anzahlFuer(0.012), 0.4);
    rampen(s, 0.001, 0.005);
    return s;
}

TSamples laser() {
    const int n = anzahlFuer(0.4);
    TSamples s(n);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double anteil = t / 0.4;
        // Exponential fall from 1.6 kHz to 150 Hz, with a fast flutter on top.
        const double frequenz =
            1600.0 * std::pow(150.0 / 1600.0, anteil) * (1.0 + 0.06 * std::sin(kZweiPi * 28.0 * t));
        phase += kZweiPi * frequenz / kRate;
        const double welle =
            std::sin(phase) + 0.45 * std::sin(2.0 * phase) + 0.25 * std::sin(3.0 * phase);
        s[i] = welle * (1.0 - 0.6 * anteil);
    }
    rampen(s, 0.004, 0.04);
    return s;
}

// Brassy tone: a stack of harmonics whose brightness follows the "wah" envelope.
TSamples posaunenton(double frequenz, double dauer, double vibrato) {
    const int n = anzahlFuer(dauer);
    TSamples s(n);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double anteil = t / dauer;
        const double wah = std::sin(std::numbers::pi * std::min(1.0, anteil * 1.15));
        const double f = frequenz * (1.0 - 0.03 * anteil) *
                         (1.0 + vibrato * std::sin(kZweiPi * 6.0 * t) * anteil);
        phase += kZweiPi * f / kRate;
        double summe = 0.0;
        for (int h = 1; h <= 7; ++h)
            summe += std::pow(0.35 + 0.5 * wah, h - 1) * std::sin(h * phase) / h;
        s[i] = wah * summe;
    }
    return s;
}

TSamples trauerposaune() {
    TSamples s(anzahlFuer(1.2));
    const double toene[] = {233.1, 220.0, 207.7};
    for (int k = 0; k < 3; ++k)
        mischen(s, posaunenton(toene[k], 0.26, 0.0), anzahlFuer(0.25 * k));
    // The last note sinks and wobbles.
    mischen(s, posaunenton(196.0, 0.45, 0.035), anzahlFuer(0.75));
    rampen(s, 0.005, 0.03);
    return s;
}

TSamples rauschfahrt() {
    const int n = anzahlFuer(0.4);
    TSamples s(n);
    TRauschen rauschen(0x5eedu);
    TBandpass filter(2.5);
    for (int i = 0; i < n; ++i) {
        const double anteil = static_cast<double>(i) / n;
        const double frequenz = 300.0 * std::pow(12.0, anteil);
        const double huelle = std::pow(std::sin(std::numbers::pi * anteil), 1.5);
        s[i] = huelle * filter.schritt(rauschen.weiss(), frequenz);
    }
    rampen(s, 0.005, 0.02);
    return s;
}

TSamples glockenton(double frequenz, double dauer) {
    const int n = anzahlFuer(dauer);
    TSamples s(n);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] = std::exp(-t * 6.0) *
               (std::sin(kZweiPi * frequenz * t) +
                0.25 * std::exp(-t * 12.0) * std::sin(kZweiPi * 2.76 * frequenz * t));
    }
    rampen(s, 0.004, 0.01);
    return s;
}

TSamples erinnerung() {
    TSamples s(anzahlFuer(0.6));
    mischen(s, glockenton(1046.5, 0.6), 0);
    mischen(s, glockenton(784.0, 0.4), anzahlFuer(0.2));
    rampen(s, 0.004, 0.05);
    return s;
}

TSamples trommelwirbel() {
    TSamples s(anzahlFuer(1.0));
    TRauschen rauschen(0xd2u);
    // Strokes come ever closer together, then the final hit.
    double t = 0.0;
    double abstand = 0.07;
    int schlagNummer = 0;
    while (t < 0.68) {
        const double pegel = 0.35 + 0.4 * (t / 0.68) + ((schlagNummer % 2) ? 0.0 : 0.08);
        mischen(s, schlag(rauschen, 0.06, 2500.0, 330.0, 200.0, 55.0, 0.3), anzahlFuer(t), pegel);
        t += abstand;
        abstand = std::max(0.032, abstand * 0.93);
        ++schlagNummer;
    }
    mischen(s, schlag(rauschen, 0.3, 1500.0, 160.0, 80.0, 12.0, 0.55), anzahlFuer(0.7), 1.3);
    rampen(s, 0.002, 0.03);
    return s;
}

TSamples beifall() {
    TSamples s(anzahlFuer(1.5));
    TRauschen rauschen(0xc1a9u);
    // Every clapper has a hand tone and rhythm of their own.
    for (int person = 0; person < 14; ++person) {
        const double ton = 900.0 + 1400.0 * rauschen.gleich();
        const double takt = 0.17 + 0.1 * rauschen.gleich();
        double t = 0.08 * rauschen.gleich();
        while (t < 1.45) {
            mischen(s, schlag(rauschen, 0.03, ton, 0.0, 0.0, 140.0, 0.0), anzahlFuer(t),
                    0.5 + 0.5 * rauschen.gleich());
            t += takt * (0.85 + 0.3 * rauschen.gleich());
        }
    }
    // The crowd swells in and dies away.
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        const double anteil = static_cast<double>(i) / n;
        s[i] *= std::min(1.0, anteil * 6.0) * std::min(1.0, (1.0 - anteil) * 3.0);
    }
    THochpass hochpass;
    for (double& x : s)
        x = hochpass.schritt(x);
    // Soft limiting: single loud claps would otherwise dictate the level of the whole crowd.
    normalisieren(s);
    for (double& x : s)
        x = std::tanh(4.0 * x);
    rampen(s, 0.005, 0.04);
    return s;
}

TSamples kamera() {
    TSamples s(anzahlFuer(0.2));
    TRauschen rauschen(0xca3eu);
    mischen(s, schlag(rauschen, 0.05, 4000.0, 1200.0, 600.0, 120.0, 0.25), 0);
    mischen(s, schlag(rauschen, 0.08, 2200.0, 500.0, 250.0, 70.0, 0.35), anzahlFuer(0.085), 0.9);
    rampen(s, 0.001, 0.01);
    return s;
}

void schreibe16(std::string& ziel, std::uint16_t wert) {
    ziel.push_back(static_cast<char>(wert & 0xFF));
    ziel.push_back(static_cast<char>(wert >> 8));
}

void schreibe32(std::string& ziel, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i)
        ziel.push_back(static_cast<char>((wert >> (8 * i)) & 0xFF));
}

// RIFF/WAVE, PCM 16 bit, mono, little endian.
std::string alsWav(const TSamples& s) {
    const auto datenBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::string wav;
    wav.reserve(44 + datenBytes);
    wav += "RIFF";
    schreibe32(wav, 36 + datenBytes);
    wav += "WAVEfmt ";
    schreibe32(wav, 16);
    schreibe16(wav, 1);
    schreibe16(wav, 1);
    schreibe32(wav, kRate);
    schreibe32(wav, kRate * 2);
    schreibe16(wav, 2);
    schreibe16(wav, 16);
    wav += "data";
    schreibe32(wav, datenBytes);
    for (double x : s) {
        const long wert = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        schreibe16(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(wert)));
    }
    return wav;
}

// Always rewritten: outputs older than the generator would make the build rerun it each time.
bool schreiben(const std::filesystem::path& pfad, const std::string& inhalt) {
    std::ofstream neu(pfad, std::ios::binary | std::ios::trunc);
    neu.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    neu.close();
    if (!neu) {
        std::cerr << "klaenge_erzeugen: cannot write " << pfad.string() << '\n';
        return false;
    }
    return true;
}

struct TKlang {
    const char* name;
    std::function<TSamples()> erzeugen;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: klaenge_erzeugen <outdir>\n";
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    if (fehler) {
        std::cerr << "klaenge_erzeugen: cannot create " << ordner.string() << ": "
                  << fehler.message() << '\n';
        return 1;
    }

    // The order is the clip number the program plays them by.
    const TKlang klaenge[] = {
        {"type", tastenklick},    {"Othrlasr", laser},      {"Mblaugh", trauerposaune},
        {"whoosh1", rauschfahrt}, {"msremind", erinnerung}, {"drum", trommelwirbel},
        {"Applause", beifall},    {"camera", kamera},
    };

    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/klaenge\">\n";
    for (const TKlang& klang : klaenge) {
        TSamples s = klang.erzeugen();
        normalisieren(s);
        const std::string datei = std::string(klang.name) + ".wav";
        if (!schreiben(ordner / datei, alsWav(s)))
            return 1;
        qrc += "    <file>" + datei + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!schreiben(ordner / "klaenge.qrc", qrc))
        return 1;
    return 0;
}
