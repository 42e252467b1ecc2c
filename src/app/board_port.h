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
    void playSegment(int segment) override { board_.playSegment(segment); }
    void setCardRustle(int index) override { board_.setCardRustle(index); }
    void musicMenuOpened() override { board_.musicMenuOpened(); }
    void chooseNoMusic() override { board_.chooseNoMusic(); }
    void chooseAllSongs() override { board_.chooseAllSongs(); }
    void chooseSong(int index) override { board_.chooseSong(index); }
    const SoundMenu& menu() const override { return board_.menu(); }

  private:
    std::unique_ptr<AudioDevice> device_;  // outlives the board
    SoundBoard board_;
};

}  // namespace morvello
