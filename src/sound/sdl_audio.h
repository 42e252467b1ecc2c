// The audio device of the game on SDL2_mixer: one mixer for the card sounds and
// the songs (MIDI through FluidSynth). Free of Qt. Without an audio device the
// game plays on silently: the failure is logged once and every call does nothing.
// The output rests while nothing sounds (SdlDevice).
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "sound/audio_device.h"
#include "sound/sdl_device.h"
#include "sound/sdl_effects.h"
#include "sound/sdl_music.h"

namespace morvello {

// The General MIDI soundfont used when SDL2_mixer finds none of its own.
inline constexpr const char* kFallbackSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct AudioFormat {
    int rate = 44100;
    int bufferFrames = 512;  // the mixer's buffer: a card sound is heard within one
    // How long the output stays open once nothing sounds (SdlDevice).
    SdlDevice::Clock::duration restAfter = std::chrono::seconds(1);
    // Where to find the General MIDI soundfont, in order. Empty: SDL2_mixer's own
    // choice, then kFallbackSoundFont.
    std::vector<std::filesystem::path> soundFonts;
};

class SdlAudio final : public AudioDevice {
  public:
    // post runs a function on the owner's thread (the window passes a queued call).
    explicit SdlAudio(PostToOwner post, AudioFormat format = {});
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio() override;

    // Whether there is an audio output at all (it may be resting).
    bool isOpen() const { return music_ != nullptr; }
    const AudioFormat& format() const { return format_; }
    double bufferLatencyMs() const { return 1000.0 * format_.bufferFrames / format_.rate; }
    // Whether the output is open now rather than resting.
    bool deviceOpen() const { return device_.isOpen(); }

    bool openEffects(const std::filesystem::path& path) override;
    void playEffect(int fromMs, int toMs) override;
    void playSong(const std::filesystem::path& path) override;
    void stopSong() override;
    void setSongEndHandler(std::function<void()> handler) override;
    void prepareSong(const std::filesystem::path& path) override;

    // Waits until the song requests made so far have been carried out.
    void settleSongs();
    bool songPlaying() const;
    // The song opened ahead of its turn, if any, once the songs are settled.
    std::filesystem::path preparedSong();
    // Waits until the output rests (for tests and benchmarks); false after cap.
    bool waitUntilResting(std::chrono::milliseconds cap);

  private:
    bool chooseSoundFont() const;

    AudioFormat format_;
    SdlDevice device_;
    bool songsPlayable_ = false;  // a soundfont was found
    SdlEffects effects_;
    std::unique_ptr<SdlMusic> music_;
};

}  // namespace morvello
