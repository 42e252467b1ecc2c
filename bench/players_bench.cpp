// The computer players' card choice on positions from real deals: random deals
// played out by the strategies at all four seats, as the headless runner plays.
// "play" is a deal's time over its 40 plays, trick resolution included; the
// difference from BM_WholeDealsWithoutChoosing, over 40, is the choice alone.
#include <benchmark/benchmark.h>

#include <vector>

#include "cards/shuffle.h"
#include "players/card_choice.h"
#include "rules/declarations.h"
#include "rules/trick.h"

namespace morvello {
namespace {

constexpr int kDecks = 1024;

std::vector<std::array<int, 41>> someDecks() {
    ShuffleEngine engine(12345);
    Deck deck{};
    std::vector<std::array<int, 41>> decks;
    for (int i = 0; i < kDecks; ++i) {
        shuffleDeck(deck, engine);
        decks.push_back(deck);
    }
    return decks;
}

void dealOut(GameState& g, const std::array<int, 41>& deck, Byte firstLeader) {
    for (int i = 0; i < kCardCount; ++i)
        g.hands[i / 10 + 1][i % 10 + 1] = static_cast<Byte>(deck[i + 1]);
    rebuildHoldMap(g);
    g.turnSeat = g.leaderSeat = firstLeader;
}

// Forty choices and ten tricks; the choices are what is measured.
void playOut(GameState& g) {
    for (int trick = 0; trick < 10; ++trick) {
        g.tableCards = {};
        g.trickSignals = {};
        for (int play = 0; play < 4; ++play) {
            chooseComputerCard(g);
            g.tableCards[g.turnSeat] = g.cardToPlay;
            if (play < 3) g.turnSeat = nextSeat(g.turnSeat);
        }
        resolveTrick(g);
        creditTrickPoints(g);
    }
}

void BM_ChoicesOfWholeDeals(benchmark::State& state) {
    const auto decks = someDecks();
    GameState g;
    int next = 0;
    for (auto _ : state) {
        dealOut(g, decks[next], static_cast<Byte>(next % 4 + 1));
        recordDeclarations(g);
        playOut(g);
        benchmark::DoNotOptimize(g.cardPoints);
        next = (next + 1) % kDecks;
    }
    state.counters["play"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kCardCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ChoicesOfWholeDeals);

// The same deals with every card laid down by slot order and no strategy: the
// part of the figure above that is not the choice.
void BM_WholeDealsWithoutChoosing(benchmark::State& state) {
    const auto decks = someDecks();
    GameState g;
    int next = 0;
    for (auto _ : state) {
        dealOut(g, decks[next], static_cast<Byte>(next % 4 + 1));
        recordDeclarations(g);
        for (int trick = 1; trick <= 10; ++trick) {
            g.tableCards = {};
            for (int play = 0; play < 4; ++play) {
                g.cardToPlay = g.hands[g.turnSeat][trick];
                g.tableCards[g.turnSeat] = g.cardToPlay;
                if (play < 3) g.turnSeat = nextSeat(g.turnSeat);
            }
            resolveTrick(g);
            creditTrickPoints(g);
        }
        benchmark::DoNotOptimize(g.cardPoints);
        next = (next + 1) % kDecks;
    }
}
BENCHMARK(BM_WholeDealsWithoutChoosing);

}  // namespace
}  // namespace morvello

BENCHMARK_MAIN();
