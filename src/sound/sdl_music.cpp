#include "sound/sdl_music.h"

#include <algorithm>
#include <string>
#include <utility>

#include "sound/midi_check.h"
#include "sound/midi_length.h"
#include "sound/sound_log.h"

namespace morvello {
namespace {

// How long the last notes of a song may ring before the next song starts.
constexpr auto kLastNotesRing = std::chrono::milliseconds(250);

}  // namespace

std::atomic<SdlMusic*> SdlMusic::current_{nullptr};

SdlMusic::SdlMusic(PostToOwner post, SdlDevice& device) : post_(std::move(post)), device_(device) {
    current_ = this;
    Mix_HookMusicFinished(&SdlMusic::musicFinished);
    device_.setOnReopen([this] {
        {
            std::lock_guard lock(mutex_);
            restTimeMoved_ = true;
        }
        wake_.notify_all();
    });
    thread_ = std::thread([this] { run(); });
}

SdlMusic::~SdlMusic() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
    device_.setOnReopen(nullptr);
    Mix_HookMusicFinished(nullptr);  // waits for a hook that runs now
    current_ = nullptr;
    closeSong();
    dropPrepared();
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

void SdlMusic::prepare(const std::filesystem::path& path) {
    {
        std::lock_guard lock(mutex_);
        toPrepare_ = path;
    }
    wake_.notify_all();
}

void SdlMusic::request(std::optional<std::filesystem::path> song) {
    const std::uint64_t generation = ++owner_->requested;
    {
        std::lock_guard lock(mutex_);
        pending_ = Request{generation, std::move(song)};
    }
    wake_.notify_all();
}

std::filesystem::path SdlMusic::preparedSong() {
    std::lock_guard lock(mutex_);
    return preparedPath_;
}

void SdlMusic::settle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !toPrepare_ && !busy_; });
}

bool SdlMusic::waitUntilResting(std::chrono::milliseconds cap) {
    std::unique_lock lock(mutex_);
    wake_.notify_all();  // the rest time may have moved
    return idle_.wait_for(lock, cap, [this] { return !device_.isOpen(); });
}

// Requests first, then the song to prepare; when neither waits, the output rests
// once it has been quiet long enough.
void SdlMusic::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto work = [this] { return quit_ || pending_ || toPrepare_ || restTimeMoved_; };
        const SdlDevice::Clock::time_point due = std::min(device_.restTime(), musicOver_);
        if (due == SdlDevice::Clock::time_point::max())
            wake_.wait(lock, work);
        else
            wake_.wait_until(lock, due, work);
        if (quit_) return;
        restTimeMoved_ = false;
        busy_ = true;
        if (pending_) {
            const Request r = std::move(*pending_);
            pending_.reset();
            lock.unlock();
            carryOut(r);
        } else if (toPrepare_) {
            const std::filesystem::path path = std::move(*toPrepare_);
            toPrepare_.reset();
            lock.unlock();
            prepareNow(path);
        } else {
            lock.unlock();
            endIfMusicOver();
            rest();
        }
        lock.lock();
        busy_ = false;
        if (!pending_ && !toPrepare_) idle_.notify_all();
    }
}

void SdlMusic::carryOut(const Request& r) {
    const SdlDevice::Use output = device_.use();
    if (!output) return;
    if (!r.song) {
        closeSong();
        dropPrepared();
        return;
    }
    Mix_Music* next = takePrepared(*r.song);
    if (next == nullptr) {
        closeSong();  // the old song stops now, not once the new one is open
        next = load(*r.song);
        if (next == nullptr) return;
    }
    {
        std::lock_guard lock(mutex_);
        if (pending_) {  // already replaced
            Mix_FreeMusic(next);
            return;
        }
    }
    closeSong();
    song_ = next;
    playingGeneration_ = r.generation;
    if (Mix_PlayMusic(song_, 0) != 0) {
        soundLog("cannot play the song " + r.song->string() + ": " + Mix_GetError());
    } else if (const auto length = midiFileLength(*r.song)) {
        musicOver_ = SdlDevice::Clock::now() + *length + kLastNotesRing;
    }
}

void SdlMusic::endIfMusicOver() {
    if (SdlDevice::Clock::now() < musicOver_) return;
    musicOver_ = SdlDevice::Clock::time_point::max();
    if (playing()) reportEnd();
}

// A song that cannot be opened is left for its playing to report.
void SdlMusic::prepareNow(const std::filesystem::path& path) {
    if (prepared_.music != nullptr && prepared_.path == path) return;
    const SdlDevice::Use output = device_.use();
    if (!output) return;
    dropPrepared();
    if (!midiFileProblem(path).empty()) return;
    if (Mix_Music* music = Mix_LoadMUS(path.string().c_str())) prepared_ = {music, path};
    std::lock_guard lock(mutex_);
    preparedPath_ = prepared_.path;
}

void SdlMusic::rest() {
    if (SdlDevice::Clock::now() < device_.restTime()) return;
    if (playing()) {
        device_.touch();
        return;
    }
    closeSong();
    dropPrepared();
    if (device_.restIfQuiet()) {
        std::lock_guard lock(mutex_);
        idle_.notify_all();
    }
}

Mix_Music* SdlMusic::takePrepared(const std::filesystem::path& path) {
    if (prepared_.music == nullptr || prepared_.path != path) return nullptr;
    Mix_Music* music = std::exchange(prepared_, Song{}).music;
    std::lock_guard lock(mutex_);
    preparedPath_.clear();
    return music;
}

Mix_Music* SdlMusic::load(const std::filesystem::path& path) {
    if (const std::string problem = midiFileProblem(path); !problem.empty()) {
        soundLog("cannot play the song " + path.string() + ": " + problem);
        return nullptr;
    }
    Mix_Music* music = Mix_LoadMUS(path.string().c_str());
    if (music == nullptr) soundLog("cannot play the song " + path.string() + ": " + Mix_GetError());
    return music;
}

void SdlMusic::closeSong() {
    musicOver_ = SdlDevice::Clock::time_point::max();
    if (song_ == nullptr) return;
    halting_ = true;  // Mix_HaltMusic calls the finished hook itself
    Mix_HaltMusic();
    halting_ = false;
    Mix_FreeMusic(song_);
    song_ = nullptr;
}

void SdlMusic::dropPrepared() {
    if (prepared_.music == nullptr) return;
    Mix_FreeMusic(prepared_.music);
    prepared_ = Song{};
    std::lock_guard lock(mutex_);
    preparedPath_.clear();
}

// On the audio thread, with the audio locked, or inside Mix_HaltMusic.
void SdlMusic::musicFinished() {
    SdlMusic* self = current_;
    if (self == nullptr) return;
    self->device_.touch();  // the next song may follow: the output does not rest yet
    if (!self->halting_) self->reportEnd();
}

void SdlMusic::reportEnd() {
    const std::uint64_t generation = playingGeneration_;
    if (reportedGeneration_.exchange(generation) == generation) return;
    std::weak_ptr<Owner> owner = owner_;
    post_([owner, generation] {
        const std::shared_ptr<Owner> o = owner.lock();
        if (o && o->requested == generation && o->onEnd) o->onEnd();
    });
}

}  // namespace morvello
