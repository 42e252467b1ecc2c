// An audio output that plays nothing: the game's sounds when no audio module can
// be loaded. The sound procedures and their menus work the same over it.
#pragma once

#include "sound/audio_device.h"

namespace morvello {

class SilentAudio final : public AudioDevice {
  public:
    bool openEffects(const std::filesystem::path&) override { return false; }
    void playEffect(int, int) override {}
    void playSong(const std::filesystem::path&) override {}
    void stopSong() override {}
    void setSongEndHandler(std::function<void()>) override {}
};

}  // namespace morvello
