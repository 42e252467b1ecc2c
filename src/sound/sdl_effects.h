// The effects file on SDL2_mixer: the wave is loaded into memory once, converted
// to the device's format, and a millisecond range plays through a chunk that only
// points into it, so starting a card sound copies nothing.
#pragma once

#include <filesystem>
#include <map>
#include <utility>

#include <SDL_mixer.h>

namespace morvello {

class SdlEffects {
  public:
    SdlEffects() = default;
    SdlEffects(const SdlEffects&) = delete;
    SdlEffects& operator=(const SdlEffects&) = delete;
    ~SdlEffects();

    // Needs an open mixer. False, with one logged line, when the file cannot be read.
    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return wave_ != nullptr; }

    // Starts fromMs..toMs on a free mixer channel, or on the one playing longest
    // when none is free, so a card sound always starts.
    void play(int fromMs, int toMs);

  private:
    Mix_Chunk* segment(int fromMs, int toMs);
    Uint32 byteOffset(int ms) const;

    Mix_Chunk* wave_ = nullptr;
    Uint32 frameBytes_ = 0;
    int rate_ = 0;
    std::map<std::pair<int, int>, Mix_Chunk> segments_;  // views into wave_
};

}  // namespace morvello
