// The sound board as a module beside the program, loaded once the window shows:
// the audio libraries it needs are many, and loading them at start would delay
// the first sight of the table.
#include <QCoreApplication>
#include <QMetaObject>

#include "app/board_port.h"
#include "sound/sdl_audio.h"

namespace morvello {
namespace {

// The end of a song is reported on the audio thread: it is handed to the window's.
PostToOwner postToWindow() {
    return [](std::function<void()> call) {
        QCoreApplication* app = QCoreApplication::instance();
        if (app) QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
    };
}

}  // namespace
}  // namespace morvello

extern "C" __attribute__((visibility("default"))) morvello::SoundPort* morvello_make_sound_board(
    morvello::SoundChoices* choices, morvello::SoundPort::Hooks* hooks) {
    using namespace morvello;
    return new BoardPort(*choices, std::make_unique<SdlAudio>(postToWindow()),
                         findSoundFolders(QCoreApplication::applicationDirPath().toStdString()),
                         std::move(*hooks));
}
