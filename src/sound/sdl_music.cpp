#include "sound/sdl_music.h"

#include <string>
#include <utility>

#include "sound/midi_check.h"
#include "sound/sound_log.h"

namespace morvello {

std::atomic<SdlMusic*> SdlMusic::current_{nullptr};

SdlMusic::SdlMusic(PostToOwner post) : post_(std::move(post)) {
    current_ = this;
    Mix_HookMusicFinished(&SdlMusic::musicFinished);
    thread_ = std::thread([this] { run(); });
}

SdlMusic::~SdlMusic() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
    Mix_HookMusicFinished(nullptr);  // waits for a hook that runs now
    current_ = nullptr;
    closeSong();
}

void SdlMusic::setEndHandler(std::function<void()> handler) {
    owner_->onEnd = std::move(handler);
}

void SdlMusic::play(const std::filesystem::path& path) {
    request(path);
}

void SdlMusic::stop() {
    request(std::nullopt);
}

void SdlMusic::request(std::optional<std::filesystem::path> song) {
    const std::uint64_t generation = ++owner_->requested;
    {
        std::lock_guard lock(mutex_);
        pending_ = Request{generation, std::move(song)};
    }
    wake_.notify_all();
}

void SdlMusic::settle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !busy_; });
}

void SdlMusic::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || pending_; });
        if (quit_) return;
        const Request r = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        carryOut(r);
        lock.lock();
        busy_ = false;
        if (!pending_) idle_.notify_all();
    }
}

void SdlMusic::carryOut(const Request& r) {
    closeSong();
    if (!r.song) return;
    if (const std::string problem = midiFileProblem(*r.song); !problem.empty()) {
        soundLog("cannot play the song " + r.song->string() + ": " + problem);
        return;
    }
    song_ = Mix_LoadMUS(r.song->string().c_str());
    if (song_ == nullptr) {
        soundLog("cannot play the song " + r.song->string() + ": " + Mix_GetError());
        return;
    }
    {
        std::lock_guard lock(mutex_);
        if (pending_) return;  // already replaced: the next request closes it
    }
    playingGeneration_ = r.generation;
    if (Mix_PlayMusic(song_, 0) != 0) {
        soundLog("cannot play the song " + r.song->string() + ": " + Mix_GetError());
    }
}

void SdlMusic::closeSong() {
    if (song_ == nullptr) return;
    halting_ = true;  // Mix_HaltMusic calls the finished hook itself
    Mix_HaltMusic();
    halting_ = false;
    Mix_FreeMusic(song_);
    song_ = nullptr;
}

// On the audio thread, with the audio locked, or inside Mix_HaltMusic.
void SdlMusic::musicFinished() {
    SdlMusic* self = current_;
    if (self != nullptr && !self->halting_) self->reportEnd();
}

void SdlMusic::reportEnd() {
    const std::uint64_t generation = playingGeneration_;
    std::weak_ptr<Owner> owner = owner_;
    post_([owner, generation] {
        const std::shared_ptr<Owner> o = owner.lock();
        if (o && o->requested == generation && o->onEnd) o->onEnd();
    });
}

}  // namespace morvello
