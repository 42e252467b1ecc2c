// How quickly the sound procedures return to the game, on the real SDL2_mixer
// device with SDL's dummy driver (it mixes in real time like a sound card).
//   suona            starting a card sound; the sound is heard within one mixer
//                    buffer (reported as buffer_latency_ms)
//   canzoni_Click    choosing a song: the caller only leaves the request
//   song_heard       choosing a song until it plays (opening the MIDI file loads
//                    the soundfont, on the song thread)
//   nomusic_Click    "None"
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

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
    GameState g;
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

void suona(benchmark::State& state) {
    SoundBoard& board = *table().board;
    if (!table().audio->isOpen()) state.SkipWithError("no audio device");
    timeEachCall(state, [&] { board.suona(kCardSound); });
    reportDevice(state);
}
BENCHMARK(suona)->Unit(benchmark::kMicrosecond);

void canzoni_Click(benchmark::State& state) {
    SoundBoard& board = *table().board;
    const int songs = board.menu().songCount();
    if (songs == 0) state.SkipWithError("no songs");
    int next = 0;
    timeEachCall(state, [&] { board.canzoni_Click(next++ % songs + 1); });
    table().audio->settleSongs();
    reportDevice(state);
}
BENCHMARK(canzoni_Click)->Unit(benchmark::kMicrosecond);

void song_heard(benchmark::State& state) {
    SoundBoard& board = *table().board;
    const int songs = board.menu().songCount();
    if (songs == 0) state.SkipWithError("no songs");
    int next = 0;
    for (auto _ : state) {
        board.canzoni_Click(next++ % songs + 1);
        table().audio->settleSongs();
    }
}
BENCHMARK(song_heard)->Unit(benchmark::kMillisecond);

void nomusic_Click(benchmark::State& state) {
    SoundBoard& board = *table().board;
    for (auto _ : state) {
        state.PauseTiming();
        board.canzoni_Click(1);
        table().audio->settleSongs();
        state.ResumeTiming();
        board.nomusic_Click();
    }
    table().audio->settleSongs();
}
BENCHMARK(nomusic_Click)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
