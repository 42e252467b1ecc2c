// Keeping the match under way: the record of a 31-point match written as text
// and saved whole (a temporary file flushed to disk, then renamed over the
// old one), as the window does after every choice; and its replay without a
// window, as going on with it or taking back a card begins.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "cards/shuffle.h"
#include "files/kept_file.h"
#include "match/record_replay.h"

namespace morvello {
namespace {

// A 31-point match with a person at seat 1, recorded to its end.
MatchRecord wholeMatch() {
    HeadlessTable table;
    ShuffleEngine engine(5);
    MatchOptions options{[&](Deck& deck) {
                             shuffleDeck(deck, engine);
                             return true;
                         },
                         Byte{1}, kOnePersonAtSeatOne};
    options.recorded = true;
    Match match(table, table, std::move(options));
    StoredGame start = match.stored();
    start.scoreOption = 1;
    match.restore(start);
    table.watch(match.state());
    table.chooseCommand = [](const GameState& g) {
        return g.menus.continueEnabled ? Command::Continue : Command::Quit;
    };
    Task<> run = match.playMatches();
    run.start();
    return match.record();
}

void writeRecordText(benchmark::State& state) {
    const MatchRecord record = wholeMatch();
    for (auto _ : state) benchmark::DoNotOptimize(recordText(record));
    state.counters["bytes"] = static_cast<double>(recordText(record).size());
    state.counters["choices"] = static_cast<double>(record.choices.size());
}
BENCHMARK(writeRecordText)->Unit(benchmark::kMicrosecond);

void saveRecord(benchmark::State& state) {
    const MatchRecord record = wholeMatch();
    char folder[] = "/tmp/morvello-record-bench-XXXXXX";
    if (!mkdtemp(folder)) state.SkipWithError("no temporary folder");
    const std::string path = std::string(folder) + "/unfinished-match.record";
    for (auto _ : state) {
        if (!files::replaceKeptFile(path, recordText(record))) state.SkipWithError("not saved");
    }
    std::remove(path.c_str());
    std::remove(folder);
}
BENCHMARK(saveRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void replayRecord(benchmark::State& state) {
    const MatchRecord record = wholeMatch();
    for (auto _ : state) {
        std::string error;
        benchmark::DoNotOptimize(replayedState(record, error));
    }
}
BENCHMARK(replayRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
