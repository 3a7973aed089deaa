#include "shell/ui/TQtKlang.h"

#include <QSoundEffect>
#include <QUrl>

// The clips live in drilla_gui, a static library: without a reference from code the linker
// drops their resource object and every program would play nothing.
static void klangRessourcenEinbinden() {
    Q_INIT_RESOURCE(klaenge);
}

namespace {

// Index order is the clip number the program plays them by.
constexpr std::array<const char*, TQtKlang::kAnzahl> kNamen = {
    "type", "Othrlasr", "Mblaugh", "whoosh1", "msremind", "drum", "Applause", "camera"};

} // namespace

TQtKlang::TQtKlang() {
    klangRessourcenEinbinden();
}

TQtKlang::~TQtKlang() = default;

void TQtKlang::laden() {
    geladen_ = true;
    for (int i = 0; i < kAnzahl; ++i) {
        auto klang = std::make_unique<QSoundEffect>();
        klang->setSource(QUrl(QStringLiteral("qrc:/klaenge/%1.wav").arg(QLatin1String(kNamen[i]))));
        klaenge_[i] = std::move(klang);
    }
}

const QSoundEffect* TQtKlang::effekt(int nummer) {
    if (nummer < 0 || nummer >= kAnzahl)
        return nullptr;
    if (!geladen_)
        laden();
    return klaenge_[nummer].get();
}

void TQtKlang::spielen(int nummer) {
    if (nummer < 0 || nummer >= kAnzahl)
        return;
    if (!geladen_)
        laden();
    // Only ever one clip at a time; stop() returns at once, with or without a device.
    for (const auto& klang : klaenge_)
        klang->stop();
    klaenge_[nummer]->play();
}
