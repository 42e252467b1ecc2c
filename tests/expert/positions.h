// Positions from real deals for the Expert's tests: headless matches with the
// classic strategy at every seat, caught as each card is about to be chosen.
#pragma once

#include <bit>
#include <vector>

#include "match_harness.h"
#include "rules/declarations.h"

namespace morvello::testing {

// The state as the seat to move chooses: once a card of a trick under way is
// on the table, its signal noted, the next seat; after a trick, its winner
// leading the next.
class PositionCollector : public HeadlessTable, public MatchObserver {
  public:
    std::vector<GameState> positions;

    Wait<> cardPlayed(Byte, Byte, const Hand&, Byte, bool) override {
        keepNextTurn();
        return {};
    }
    Wait<> cardToTable(Byte, Byte, Byte, bool) override {
        keepNextTurn();
        return {};
    }
    void onTrick(const GameState& g, Byte, int) override {
        if (g.cardsPlayed == kCardCount) return;
        GameState next = g;
        next.trickSignals = {};
        next.tableCards = {};
        ++next.cardsPlayed;
        positions.push_back(next);
    }

  private:
    void keepNextTurn() {
        if (state().cardsPlayed % 4 == 0) return;
        GameState next = state();
        next.turnSeat = nextSeat(next.turnSeat);
        ++next.cardsPlayed;
        positions.push_back(next);
    }
};

// Every position of `matches` headless matches from the seed.
inline std::vector<GameState> positionsOfMatches(std::uint32_t seed, int matches) {
    PositionCollector collector;
    MatchRun run(collector, MatchOptions{shuffles(seed), Byte{1}, kFourComputers});
    run.match().addObserver(collector);
    int over = 0;
    collector.chooseCommand = [&](const GameState& g) {
        if (g.menus.continueEnabled) return Command::Continue;
        return ++over == matches ? Command::Quit : Command::NewGame;
    };
    run.run();
    return collector.positions;
}

// The unplayed cards of the seat's hand.
inline CardSet handOf(const GameState& g, Byte seat) {
    CardSet set = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        const Byte entry = g.hands[seat][slot];
        if (entry >= 1 && entry <= kCardCount) set |= cardBit(entry);
    }
    return set;
}

// The declaration records a whole dealt hand makes.
inline std::array<Byte, 5> dealtDeclarations(CardSet dealt) {
    HeldValues held{};
    for (int c = 1; c <= kCardCount; ++c)
        if (dealt & cardBit(c)) held[suitOf(c)] |= valueBit(valueOf(c));
    return declarationsOf(held).records;
}

// The state with the unplayed cards of every seat but the one to move replaced
// by the given ones, and a deck that no longer tells how they were dealt.
inline GameState withHands(const GameState& g, const std::array<CardSet, 5>& hands) {
    GameState swapped = g;
    for (Byte seat = 1; seat <= 4; ++seat) {
        if (seat == g.turnSeat) continue;
        CardSet left = hands[seat];
        for (int slot = 1; slot <= 10; ++slot) {
            if (isPlayed(swapped.hands[seat][slot]) || swapped.hands[seat][slot] == 0) continue;
            swapped.hands[seat][slot] = static_cast<Byte>(std::countr_zero(left));
            left &= left - 1;
        }
    }
    rebuildHoldMap(swapped);
    swapped.deck = shuffledDeck(static_cast<std::uint32_t>(hands[1] ^ hands[2]));
    swapped.suitTopCount = {};
    return swapped;
}

}  // namespace morvello::testing
