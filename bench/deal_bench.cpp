// Whole headless deals through the match controller: shuffle, deal, 40 plays by
// the computer strategy at every seat, settlement.
#include <benchmark/benchmark.h>

#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/headless_table.h"

namespace morvello {
namespace {

// Plays `deals` deals in one run of playMatches: Continue after every deal, New Game
// after a match is over, and the run ends when the deck source says so.
void playDeals(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessTable table;
        ShuffleEngine engine(42);
        long left = state.range(0);
        MatchOptions options{[&](Deck& deck) {
                                 if (left-- == 0) return false;
                                 shuffleDeck(deck, engine);
                                 return true;
                             },
                             Byte{1}, kFourComputers};
        Match match(table, table, std::move(options));
        table.watch(match.state());
        Task<> run = match.playMatches();
        run.start();
        benchmark::DoNotOptimize(match.state().matchTotal);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(playDeals)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

void shuffle(benchmark::State& state) {
    Deck deck{};
    ShuffleEngine engine(1);
    for (auto _ : state) {
        shuffleDeck(deck, engine);
        benchmark::DoNotOptimize(deck);
    }
}
BENCHMARK(shuffle);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
