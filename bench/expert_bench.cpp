// One Expert decision at three budgets of sampled deals, on positions from
// real deals (every 40th play of classic deals: leads and follows, early and late).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "cards/shuffle.h"
#include "expert/expert_choice.h"
#include "players/card_choice.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"
#include "rules/trick.h"

namespace morvello {
namespace {

constexpr int kPositions = 64;

// Plays classic deals and keeps, from each, the state before one choice.
std::vector<GameState> positions() {
    ShuffleEngine shuffle(2024);
    std::vector<GameState> kept;
    for (int deal = 0; static_cast<int>(kept.size()) < kPositions; ++deal) {
        GameState g;
        shuffleDeck(g.deck, shuffle);
        for (int i = 0; i < kCardCount; ++i)
            g.hands[i / 10 + 1][i % 10 + 1] = static_cast<Byte>(g.deck[i + 1]);
        rebuildHoldMap(g);
        recordDeclarations(g);
        g.turnSeat = g.leaderSeat = 1;
        const int stopAt = deal % 36 + 1;
        for (g.cardsPlayed = 1;; ++g.cardsPlayed) {
            if (g.cardsPlayed == stopAt) {
                kept.push_back(g);
                break;
            }
            chooseComputerCard(g);
            noteLackedSuit(g, g.turnSeat, g.cardToPlay);
            g.tableCards[g.turnSeat] = g.cardToPlay;
            if (g.cardsPlayed % 4 != 0) {
                g.turnSeat = nextSeat(g.turnSeat);
                continue;
            }
            resolveTrick(g);
            creditTrickPoints(g);
            g.tableCards = {};
            g.trickSignals = {};
        }
    }
    return kept;
}

void BM_ExpertDecision(benchmark::State& state) {
    const std::vector<GameState> all = positions();
    std::mt19937 engine(7);
    std::size_t next = 0;
    for (auto _ : state) {
        GameState g = all[next++ % all.size()];
        expertChooses(g, static_cast<int>(state.range(0)), engine);
        benchmark::DoNotOptimize(g.cardToPlay);
    }
}
BENCHMARK(BM_ExpertDecision)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
