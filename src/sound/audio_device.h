// What the game needs from an audio output: one effects file whose millisecond
// ranges play as card sounds, and one song at a time whose natural end is reported.
// Every call returns at once; sounds and songs play on while the game goes on.
#pragma once

#include <filesystem>
#include <functional>

namespace morvello {

class AudioDevice {
  public:
    virtual ~AudioDevice() = default;

    // Closes the effects file that was open, if any, and opens the one at path.
    // False when it cannot be opened: card sounds are then silent.
    virtual bool openEffects(const std::filesystem::path& path) = 0;

    // Starts the range fromMs..toMs of the effects file.
    virtual void playEffect(int fromMs, int toMs) = 0;

    // Stops and closes the song that plays, then opens and starts the one at path.
    // A song that cannot be opened is silent and never ends.
    virtual void playSong(const std::filesystem::path& path) = 0;

    // Stops and closes the song that plays. Its end is not reported.
    virtual void stopSong() = 0;

    // The song likely to be asked for next: a device may open it now, while
    // another plays, so that playSong of it starts without a pause.
    virtual void prepareSong(const std::filesystem::path& /*path*/) {}

    // Called on the owner's thread when the last started song plays to its end.
    virtual void setSongEndHandler(std::function<void()> handler) = 0;
};

}  // namespace morvello
