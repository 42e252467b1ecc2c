#include "app/sound_port.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

#include "app/board_port.h"
#include "settings/install_layout.h"
#include "sound/silent_audio.h"

namespace morvello {

std::unique_ptr<SoundPort> makeSoundBoard(SoundChoices& choices, SoundPort::Hooks hooks,
                                          const QString& modulePath) {
    using Factory = SoundPort* (*)(SoundChoices*, SoundPort::Hooks*);
    QLibrary module(modulePath.isEmpty() ? QString::fromStdString(findProgramModule(
                                               QCoreApplication::applicationDirPath().toStdString(),
                                               kSoundModuleName))
                                         : modulePath);
    if (auto make = reinterpret_cast<Factory>(module.resolve("morvello_make_sound_board")))
        return std::unique_ptr<SoundPort>(make(&choices, &hooks));
    std::fprintf(stderr, "morvello: no sound (%s)\n", qPrintable(module.errorString()));
    return std::make_unique<BoardPort>(
        choices, std::make_unique<SilentAudio>(),
        findSoundFolders(QCoreApplication::applicationDirPath().toStdString()), std::move(hooks));
}

}  // namespace morvello
