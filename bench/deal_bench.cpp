// Whole headless deals through the match controller: shuffle, deal, 40 plays by
// the computer strategy at every seat, settlement.
#include <benchmark/benchmark.h>

#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/headless_table.h"

namespace morvello {
namespace {

// Plays `deals` deals in one run of Main: Continue after every deal, New Game
// after a match is over, and the run ends when the deck source says so.
void playDeals(benchmark::State& state) {
    for (auto _ : state) {
        GameState g;
        Form_Activate(g);
        HeadlessTable table(g);
        table.computerAtSeatOne = true;
        ShuffleEngine engine(42);
        long left = state.range(0);
        MainOptions options{[&](GameState& s) {
                                if (left-- == 0) return false;
                                Mescola(s, engine);
                                return true;
                            },
                            Byte{1}};
        Task<> run = Main(g, table, std::move(options));
        run.start();
        benchmark::DoNotOptimize(g.matchTotal);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(playDeals)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

void shuffle(benchmark::State& state) {
    GameState g;
    ShuffleEngine engine(1);
    for (auto _ : state) {
        Mescola(g, engine);
        benchmark::DoNotOptimize(g.deck);
    }
}
BENCHMARK(shuffle);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
