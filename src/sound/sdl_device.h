// The SDL2_mixer output, opened only while it is needed. An open output mixes
// buffer after buffer, silence included, on SDL's audio thread; once nothing has
// sounded for a while the device rests (it is closed) and the next sound opens it
// again, so a game waiting for the player costs no audio work at all.
//
// Whoever plays through the mixer holds a Use for as long as it does. Resting
// happens only on the thread that calls restIfQuiet, when no Use is held and no
// channel and no song plays.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <utility>

namespace morvello {

class SdlDevice {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kNeverRest = Clock::duration::max();

    struct Format {
        int rate = 44100;
        int bufferFrames = 512;
        // How long the output stays open after the last sound; kNeverRest keeps
        // it open (tests that count the frames it mixes).
        Clock::duration restAfter = std::chrono::seconds(1);
    };

    class Use {
      public:
        explicit Use(SdlDevice* device) : device_(device) {}
        Use(Use&& other) noexcept : device_(std::exchange(other.device_, nullptr)) {}
        Use& operator=(Use&&) = delete;
        ~Use();
        explicit operator bool() const { return device_ != nullptr; }

      private:
        SdlDevice* device_;
    };

    explicit SdlDevice(Format format) : format_(format) {}
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;
    ~SdlDevice();

    // The first opening, with the audio subsystem and the mixer's MIDI support;
    // false (logged once) when there is no output: every Use is then empty and the
    // game plays silently. All of it is closed with the device.
    bool open();
    bool usable() const { return usable_; }
    bool isOpen() const;
    const Format& format() const { return format_; }

    // Keeps the output open, reopening it if it rested; empty without an output.
    Use use();

    // Called, without any lock held, when a Use opens the output again after a rest.
    void setOnReopen(std::function<void()> onReopen) { onReopen_ = std::move(onReopen); }

    // Something sounds now (a song ended, a sound started): the rest waits. Safe
    // on any thread, the audio thread included.
    void touch() { lastSound_ = Clock::now().time_since_epoch().count(); }

    // When the output may rest: never while it is closed or kept open for good.
    Clock::time_point restTime() const;
    // Closes the output if it has been quiet for restAfter and nothing uses it.
    // The caller must have let go of every song. True when it is closed.
    bool restIfQuiet();

  private:
    bool openMixer();
    Clock::time_point quietUntil() const;
    void release();

    Format format_;
    bool usable_ = false;
    mutable std::mutex mutex_;
    bool open_ = false;          // guarded by mutex_
    int users_ = 0;              // guarded by mutex_
    bool reopenFailed_ = false;  // guarded by mutex_: said once
    std::atomic<Clock::rep> lastSound_{0};
    std::function<void()> onReopen_;
};

}  // namespace morvello
