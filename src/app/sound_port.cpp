#include "app/sound_port.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

#include "settings/install_layout.h"

namespace morvello {

std::unique_ptr<SoundPort> makeSoundBoard(GameState& g, SoundPort::Hooks hooks) {
    using Factory = SoundPort* (*)(GameState*, SoundPort::Hooks*);
    QLibrary module(QString::fromStdString(
        findProgramModule(QCoreApplication::applicationDirPath().toStdString(), kSoundModuleName)));
    auto make = reinterpret_cast<Factory>(module.resolve("morvello_make_sound_board"));
    if (!make) {
        std::fprintf(stderr, "morvello: no sound (%s)\n", qPrintable(module.errorString()));
        return nullptr;
    }
    return std::unique_ptr<SoundPort>(make(&g, &hooks));
}

}  // namespace morvello
