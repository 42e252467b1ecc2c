// What the real-audio tests listen with: SDL's disk driver writes the mixed output
// to a file, a post-mix hook counts it as it is produced, and the "owner's thread"
// is the test's own, draining what the audio layer posts to it.
#pragma once

#include <SDL_mixer.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <vector>

#include "sound/sdl_music.h"

namespace morvello::testing {

// A generous bound for waits on produced output; reaching it fails the test.
inline constexpr std::chrono::seconds kOutputCap{60};

// The 16-bit samples of a file after its header: a wave file as the sound generator
// writes it has 44 bytes of header, the disk driver's stereo output none.
inline std::vector<std::int16_t> readSamples(const std::filesystem::path& file,
                                             std::size_t header) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(b.size() > header ? (b.size() - header) / 2 : 0);
    if (!samples.empty()) std::memcpy(samples.data(), &b[header], samples.size() * 2);
    return samples;
}

// Functions posted to the owner's thread, run when the test drains them.
class OwnerQueue {
  public:
    PostToOwner poster() {
        return [this](std::function<void()> f) {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(f));
            posted_.notify_all();
        };
    }
    // Waits for the next posted function and runs it; false if none came.
    bool runNext() {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, kOutputCap, [this] { return !queue_.empty(); })) return false;
        const std::function<void()> next = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        next();
        return true;
    }
    std::size_t waiting() {
        std::lock_guard lock(mutex_);
        return queue_.size();
    }

  private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};

// Counts the frames the open mixer produces, and the loud ones, for its whole life:
// declare it after the device so that it goes before the mixer closes.
class OutputMeter {
  public:
    OutputMeter() { Mix_SetPostMix(&OutputMeter::postMix, this); }
    OutputMeter(const OutputMeter&) = delete;
    OutputMeter& operator=(const OutputMeter&) = delete;
    ~OutputMeter() { Mix_SetPostMix(nullptr, nullptr); }

    std::int64_t loudFrames() {
        std::lock_guard lock(mutex_);
        return loud_;
    }
    // Waits until the mixer has produced count more frames than now.
    bool waitForFrames(std::int64_t count) {
        std::unique_lock lock(mutex_);
        const std::int64_t target = frames_ + count;
        return produced_.wait_for(lock, kOutputCap, [&] { return frames_ >= target; });
    }
    // Waits until some loud output has been produced.
    bool waitForSound() {
        std::unique_lock lock(mutex_);
        return produced_.wait_for(lock, kOutputCap, [&] { return loud_ > 0; });
    }

  private:
    static void postMix(void* self, Uint8* stream, int len) {
        auto* meter = static_cast<OutputMeter*>(self);
        std::int64_t loud = 0;
        for (int i = 0; i + 1 < len; i += 4) {
            std::int16_t left = 0;
            std::memcpy(&left, stream + i, 2);
            loud += left > 64 || left < -64;
        }
        std::lock_guard lock(meter->mutex_);
        meter->frames_ += len / 4;
        meter->loud_ += loud;
        meter->produced_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable produced_;
    std::int64_t frames_ = 0;
    std::int64_t loud_ = 0;
};

}  // namespace morvello::testing
