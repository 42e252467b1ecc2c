// The sound board behind the window's SoundPort, over any audio device: the
// machine's (in the audio module) or a silent one (when the module is missing).
#pragma once

#include <memory>
#include <utility>

#include "app/sound_port.h"
#include "sound/audio_device.h"
#include "sound/sound_board.h"

namespace morvello {

class BoardPort final : public SoundPort {
  public:
    BoardPort(SoundChoices& choices, std::unique_ptr<AudioDevice> device, SoundFolders folders,
              Hooks hooks)
        : device_(std::move(device)),
          board_(choices, *device_, std::move(folders),
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
    std::unique_ptr<AudioDevice> device_;  // outlives the board
    SoundBoard board_;
};

}  // namespace morvello
