// The clips from the resources, played through QSoundEffect. Built as the module that
// TQtKlang loads, with the clips in its own resources.
#include "shell/klangmodul/IKlangModul.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <array>
#include <memory>

// The clips are this module's own resources; registered here, so that no linker setting can
// leave them out.
static void klaengeAnmelden() {
    Q_INIT_RESOURCE(klaenge);
}

namespace {

constexpr int kAnzahl = 8;
// Index order is the clip number the program plays them by.
constexpr std::array<const char*, kAnzahl> kNamen = {"type",     "Othrlasr", "Mblaugh",  "whoosh1",
                                                     "msremind", "drum",     "Applause", "camera"};

class TKlangModul : public IKlangModul {
public:
    TKlangModul() {
        klaengeAnmelden();
        for (int i = 0; i < kAnzahl; ++i) {
            auto klang = std::make_unique<QSoundEffect>();
            klang->setSource(
                QUrl(QStringLiteral("qrc:/klaenge/%1.wav").arg(QLatin1String(kNamen[i]))));
            klaenge_[i] = std::move(klang);
        }
    }

    const QSoundEffect* effekt(int nummer) override {
        if (nummer < 0 || nummer >= kAnzahl)
            return nullptr;
        return klaenge_[nummer].get();
    }

    void spielen(int nummer) override {
        if (nummer < 0 || nummer >= kAnzahl)
            return;
        // Only ever one clip at a time; stop() returns at once, with or without a device.
        for (const auto& klang : klaenge_)
            klang->stop();
        klaenge_[nummer]->play();
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, kAnzahl> klaenge_;
};

} // namespace

extern "C" Q_DECL_EXPORT IKlangModul* drillaKlangmodulErzeugen() {
    return new TKlangModul;
}
