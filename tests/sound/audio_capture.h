// What the real-audio tests listen with: SDL's disk driver writes the mixed output
// to a file, a post-mix hook counts it as it is produced, and the "owner's thread"
// is the test's own, draining what the audio layer posts to it.
#pragma once

#include <SDL_mixer.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "sound/sdl_music.h"

namespace morvello::testing {

// A generous bound for waits on produced output; reaching it fails the test.
inline constexpr std::chrono::seconds kOutputCap{60};

// Points SDL at the disk driver writing to file, or at the named driver.
void useDiskDriver(const std::filesystem::path& file);
void useDriver(const char* name);

// Stereo 16-bit frames as written by the disk driver.
struct Frames {
    std::vector<std::int16_t> left, right;
};
Frames readOutput(const std::filesystem::path& file);

// The mono 16-bit samples of a wave file as the sound generator writes it.
std::vector<std::int16_t> readMonoWav(const std::filesystem::path& file);

// Functions posted to the owner's thread, run when the test drains them.
class OwnerQueue {
  public:
    PostToOwner poster();
    // Waits for the next posted function and runs it; false if none came.
    bool runNext(std::chrono::seconds cap = kOutputCap);
    std::size_t waiting();

  private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<std::function<void()>> queue_;
};

// Counts the frames the mixer produces, and the loud ones, from the moment it is
// attached until it is detached (before the mixer closes).
class OutputMeter {
  public:
    void attach();
    void detach();
    std::int64_t frames();
    std::int64_t loudFrames();
    // Waits until the mixer has produced count more frames than now.
    bool waitForFrames(std::int64_t count, std::chrono::seconds cap = kOutputCap);
    // Waits until some loud output has been produced.
    bool waitForSound(std::chrono::seconds cap = kOutputCap);

  private:
    static void postMix(void* self, Uint8* stream, int len);
    std::mutex mutex_;
    std::condition_variable produced_;
    std::int64_t frames_ = 0;
    std::int64_t loud_ = 0;
};

}  // namespace morvello::testing
