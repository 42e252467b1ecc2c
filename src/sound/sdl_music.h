// Songs on SDL2_mixer. Opening a MIDI file loads the soundfont into a new
// synthesiser, which takes from tens of milliseconds to seconds, so songs are
// opened and started on a thread of their own: the caller only leaves a request
// and returns. The latest request wins; older ones still waiting are dropped.
// The song expected next can be opened ahead, while another plays, so that a
// sequence goes from one song to the next without a pause.
//
// The end of a song is seen on the audio thread, or on the song thread once the
// song's music is over by its length; it is handed to the owner through the post
// function, once, and reported there only if no newer request was made since, so
// a song stopped or replaced on purpose never counts as ended.
//
// The same thread lets the output rest once nothing sounds: it closes the songs
// and then the device (SdlDevice::restIfQuiet).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include <SDL_mixer.h>

#include "sound/sdl_device.h"

namespace morvello {

// Runs a function on the owner's thread later; must be safe to call from any thread.
using PostToOwner = std::function<void(std::function<void()>)>;

class SdlMusic {
  public:
    SdlMusic(PostToOwner post, SdlDevice& device);  // the device outlives the songs
    SdlMusic(const SdlMusic&) = delete;
    SdlMusic& operator=(const SdlMusic&) = delete;
    ~SdlMusic();

    void setEndHandler(std::function<void()> handler);
    void play(const std::filesystem::path& path);
    void stop();
    void prepare(const std::filesystem::path& path);

    // Waits until every request made so far has been carried out.
    void settle();
    bool playing() const { return Mix_PlayingMusic() != 0; }
    // The song opened ahead, if any (once settled).
    std::filesystem::path preparedSong();
    // Waits until the output rests; false when cap passes first.
    bool waitUntilResting(std::chrono::milliseconds cap);

  private:
    struct Request {
        std::uint64_t generation = 0;
        std::optional<std::filesystem::path> song;  // none: stop
    };
    // What a posted end report needs; outlives this object if a report is late.
    struct Owner {
        std::uint64_t requested = 0;  // generation of the latest request
        std::function<void()> onEnd;
    };
    struct Song {
        Mix_Music* music = nullptr;
        std::filesystem::path path;
    };

    void request(std::optional<std::filesystem::path> song);
    void run();
    void carryOut(const Request& r);
    void prepareNow(const std::filesystem::path& path);
    void rest();
    void endIfMusicOver();
    Mix_Music* takePrepared(const std::filesystem::path& path);
    static Mix_Music* load(const std::filesystem::path& path);
    void closeSong();
    void dropPrepared();
    void reportEnd();
    static void musicFinished();

    PostToOwner post_;
    SdlDevice& device_;
    std::shared_ptr<Owner> owner_ = std::make_shared<Owner>();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<Request> pending_;
    std::optional<std::filesystem::path> toPrepare_;
    std::filesystem::path preparedPath_;  // prepared_.path, for other threads
    bool busy_ = false;
    bool quit_ = false;
    bool restTimeMoved_ = false;  // the output opened again: wait for its new rest time

    Mix_Music* song_ = nullptr;  // touched by the song thread only
    Song prepared_;              // likewise
    // When the music of song_ is over (its last notes may still ring): its end is
    // reported then, rather than seconds later when the synthesiser falls silent.
    SdlDevice::Clock::time_point musicOver_ = SdlDevice::Clock::time_point::max();
    std::atomic<bool> halting_{false};
    std::atomic<std::uint64_t> playingGeneration_{0};
    std::atomic<std::uint64_t> reportedGeneration_{0};  // each song's end is reported once
    std::thread thread_;

    static std::atomic<SdlMusic*> current_;
};

}  // namespace morvello
