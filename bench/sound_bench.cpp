// How quickly the sound procedures return to the game, on the real SDL2_mixer
// device with SDL's dummy driver (it mixes in real time like a sound card).
//   playSegment            starting a card sound; the sound is heard within one mixer
//                    buffer (reported as buffer_latency_ms)
//   chooseSong    choosing a song: the caller only leaves the request
//   song_heard       choosing a song until it plays (opening the MIDI file loads
//                    the soundfont, on the song thread)
//   chooseNoMusic    "None"
//   first_sound_after_silence
//                    a card sound played after 10 s of silence (the output has
//                    rested): mixed_ms from the call to the first mixed buffer that
//                    holds it, reaches_output_ms that plus one buffer's playing time
//   sequence_gap     in sequential mode, the silence between the last sound of one
//                    short song and the first of the next (gap_ms)
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "midi_file.h"
#include "song_text.h"
#include "sound/sdl_audio.h"
#include "sound/sound_board.h"

namespace morvello {
namespace {

const std::filesystem::path kAssets = MORVELLO_SOURCE_DIR "/assets";

// One mixer for the whole run, as in the game.
struct Table {
    Table() {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio = std::make_unique<SdlAudio>([](std::function<void()>) {});
        board = std::make_unique<SoundBoard>(
            g, *audio, SoundFolders{kAssets / "sounds", kAssets / "music"}, SoundBoard::Hooks{});
        board->startUp();
    }
    SoundChoices g;
    std::unique_ptr<SdlAudio> audio;
    std::unique_ptr<SoundBoard> board;
};

Table& table() {
    static Table t;
    return t;
}

void reportDevice(benchmark::State& state) {
    const SdlAudio& audio = *table().audio;
    state.counters["buffer_frames"] = audio.format().bufferFrames;
    state.counters["rate"] = audio.format().rate;
    state.counters["buffer_latency_ms"] = audio.bufferLatencyMs();
}

// Runs call once per iteration and reports its slowest calls: p99_us and max_us.
// On a busy machine the slowest include the time the caller was not scheduled.
template <class Call>
void timeEachCall(benchmark::State& state, Call call) {
    std::vector<float> took;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const std::chrono::duration<float, std::micro> d = std::chrono::steady_clock::now() - start;
        if (took.size() < 1'000'000) took.push_back(d.count());
    }
    if (took.empty()) return;
    std::sort(took.begin(), took.end());
    state.counters["p99_us"] = took[took.size() * 99 / 100];
    state.counters["max_us"] = took.back();
}

void playSegment(benchmark::State& state) {
    SoundBoard& board = *table().board;
    if (!table().audio->isOpen()) state.SkipWithError("no audio device");
    timeEachCall(state, [&] { board.playSegment(kCardSound); });
    reportDevice(state);
}
BENCHMARK(playSegment)->Unit(benchmark::kMicrosecond);

void chooseSong(benchmark::State& state) {
    SoundBoard& board = *table().board;
    const int songs = board.menu().songCount();
    if (songs == 0) state.SkipWithError("no songs");
    int next = 0;
    timeEachCall(state, [&] { board.chooseSong(next++ % songs + 1); });
    table().audio->settleSongs();
    reportDevice(state);
}
BENCHMARK(chooseSong)->Unit(benchmark::kMicrosecond);

void song_heard(benchmark::State& state) {
    SoundBoard& board = *table().board;
    const int songs = board.menu().songCount();
    if (songs == 0) state.SkipWithError("no songs");
    int next = 0;
    for (auto _ : state) {
        board.chooseSong(next++ % songs + 1);
        table().audio->settleSongs();
    }
}
BENCHMARK(song_heard)->Unit(benchmark::kMillisecond);

void chooseNoMusic(benchmark::State& state) {
    SoundBoard& board = *table().board;
    for (auto _ : state) {
        state.PauseTiming();
        board.chooseSong(1);
        table().audio->settleSongs();
        state.ResumeTiming();
        board.chooseNoMusic();
    }
    table().audio->settleSongs();
}
BENCHMARK(chooseNoMusic)->Unit(benchmark::kMicrosecond)->Iterations(20);

using Clock = std::chrono::steady_clock;

// When the mixer last produced and first produced a loud buffer, seen in its
// post-mix hook, and the functions the audio layer posts to its owner.
class Listener {
  public:
    static void postMix(void* self, Uint8* stream, int len) {
        auto* l = static_cast<Listener*>(self);
        bool loud = false;
        for (int i = 0; i + 1 < len && !loud; i += 2) {
            std::int16_t sample = 0;
            std::memcpy(&sample, stream + i, 2);
            loud = sample > kLoud || sample < -kLoud;
        }
        if (!loud) return;
        const auto now = Clock::now().time_since_epoch().count();
        l->lastLoud.store(now);
        Clock::rep expected = 0;
        l->firstLoud.compare_exchange_strong(expected, now);
    }
    PostToOwner poster() {
        return [this](std::function<void()> f) {
            std::lock_guard lock(mutex_);
            posted_.push_back(std::move(f));
            ready_.notify_all();
        };
    }
    bool runNext(std::chrono::seconds cap) {
        std::unique_lock lock(mutex_);
        if (!ready_.wait_for(lock, cap, [&] { return !posted_.empty(); })) return false;
        auto next = std::move(posted_.front());
        posted_.pop_front();
        lock.unlock();
        next();
        return true;
    }
    static double msBetween(Clock::rep from, Clock::rep to) {
        return std::chrono::duration<double, std::milli>(Clock::duration(to - from)).count();
    }

    std::atomic<Clock::rep> firstLoud{0};
    std::atomic<Clock::rep> lastLoud{0};

  private:
    static constexpr int kLoud = 64;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> posted_;
};

constexpr auto kSilence = std::chrono::seconds(10);
constexpr auto kCap = std::chrono::seconds(60);

void first_sound_after_silence(benchmark::State& state) {
    Listener listener;
    SdlAudio audio(listener.poster());
    SoundChoices g;
    SoundBoard board(g, audio, SoundFolders{kAssets / "sounds", kAssets / "music"}, {});
    if (!audio.isOpen()) state.SkipWithError("no audio device");
    board.startUp();
    Mix_SetPostMix(&Listener::postMix, &listener);
    double worst = 0;
    for (auto _ : state) {
        const auto quietFrom = Clock::now();
        if (!audio.waitUntilResting(std::chrono::duration_cast<std::chrono::milliseconds>(kCap)))
            state.SkipWithError("the output never rested");
        std::this_thread::sleep_until(quietFrom + kSilence);
        listener.firstLoud = 0;
        const auto played = Clock::now();
        board.playSegment(kCardSound);
        while (listener.firstLoud.load() == 0 && Clock::now() - played < kCap)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double ms =
            Listener::msBetween(played.time_since_epoch().count(), listener.firstLoud.load());
        state.SetIterationTime(ms / 1000);
        worst = std::max(worst, ms);
    }
    Mix_SetPostMix(nullptr, nullptr);
    state.counters["mixed_ms"] = worst;
    state.counters["reaches_output_ms"] = worst + audio.bufferLatencyMs();
    state.counters["buffer_latency_ms"] = audio.bufferLatencyMs();
}
BENCHMARK(first_sound_after_silence)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

// Two short songs in a folder of their own.
std::filesystem::path shortSongs() {
    const auto folder = std::filesystem::temp_directory_path() / "morvello-sound-bench";
    std::filesystem::create_directories(folder);
    const auto midi =
        songgen::encodeMidi(songgen::parseSong("tempo 240\npart P program 0\nC5 q E5 q G5 q\n"));
    for (const char* name : {"a.mid", "b.mid"})
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(midi.data()), std::streamsize(midi.size()));
    return folder;
}

void sequence_gap(benchmark::State& state) {
    const std::filesystem::path music = shortSongs();
    Listener listener;
    SdlAudio audio(listener.poster());
    SoundChoices g;
    SoundBoard board(g, audio, SoundFolders{kAssets / "sounds", music}, {});
    if (!audio.isOpen()) state.SkipWithError("no audio device");
    board.startUp();
    Mix_SetPostMix(&Listener::postMix, &listener);
    board.chooseSong(1);
    board.chooseAllSongs();
    double worst = 0;
    double endToNext = 0;
    for (auto _ : state) {
        if (!listener.runNext(kCap)) state.SkipWithError("no song ended");  // the next starts
        const Clock::rep endedLoud = listener.lastLoud.load();
        listener.firstLoud = 0;
        const auto started = Clock::now();
        endToNext =
            std::max(endToNext, Listener::msBetween(endedLoud, started.time_since_epoch().count()));
        while (listener.firstLoud.load() == 0 && Clock::now() - started < kCap)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double gap = Listener::msBetween(endedLoud, listener.firstLoud.load());
        state.SetIterationTime(gap / 1000);
        worst = std::max(worst, gap);
    }
    board.chooseNoMusic();
    audio.settleSongs();
    Mix_SetPostMix(nullptr, nullptr);
    state.counters["gap_ms_worst"] = worst;
    state.counters["last_sound_to_end_ms"] = endToNext;
}
BENCHMARK(sequence_gap)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
