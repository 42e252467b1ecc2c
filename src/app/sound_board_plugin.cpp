// The sound board as a module beside the program, loaded once the window shows:
// the audio libraries it needs are many, and loading them at start would delay
// the first sight of the table.
#include <QCoreApplication>
#include <QMetaObject>

#include "app/sound_port.h"
#include "sound/sdl_audio.h"
#include "sound/sound_board.h"

namespace morvello {
namespace {

class BoardPort final : public SoundPort {
  public:
    BoardPort(GameState& g, Hooks hooks)
        : audio_(postToWindow()),
          board_(g, audio_, findSoundFolders(QCoreApplication::applicationDirPath().toStdString()),
                 SoundBoard::Hooks{std::move(hooks.saveConfig), std::move(hooks.menuChanged),
                                   std::move(hooks.hideInfoPanel)}) {}

    void startUp() override { board_.startUp(); }
    void suona(int segment) override { board_.suona(segment); }
    void menu_card_rustle_Click(int index) override { board_.menu_card_rustle_Click(index); }
    void menu_music_Click() override { board_.menu_music_Click(); }
    void nomusic_Click() override { board_.nomusic_Click(); }
    void all_Click() override { board_.all_Click(); }
    void canzoni_Click(int index) override { board_.canzoni_Click(index); }
    const SoundMenu& menu() const override { return board_.menu(); }

  private:
    // The end of a song is reported on the audio thread: it is handed to the window's.
    static PostToOwner postToWindow() {
        return [](std::function<void()> call) {
            QCoreApplication* app = QCoreApplication::instance();
            if (app) QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
        };
    }

    SdlAudio audio_;
    SoundBoard board_;
};

}  // namespace
}  // namespace morvello

extern "C" __attribute__((visibility("default"))) morvello::SoundPort* morvello_make_sound_board(
    morvello::GameState* g, morvello::SoundPort::Hooks* hooks) {
    return new morvello::BoardPort(*g, std::move(*hooks));
}
