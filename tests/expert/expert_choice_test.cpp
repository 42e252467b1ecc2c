// What this suite guards: the Expert is fair (the hidden hands do not change its
// card), finds the clear best card and plays a lone legal card without sampling.
#include <gtest/gtest.h>

#include "expert/deal_sampler.h"
#include "expert/expert_choice.h"
#include "players/card_choice.h"
#include "positions.h"
#include "rules/declarations.h"

namespace morvello {
namespace {

using testing::card;
using testing::cards;

constexpr int kFewSamples = 24;

// The chosen card and its signal, playing the choice on a copy.
std::pair<Byte, Byte> choiceIn(const GameState& g, std::uint32_t seed) {
    GameState copy = g;
    std::mt19937 engine(seed);
    expertChooses(copy, kFewSamples, engine);
    return {copy.cardToPlay, copy.trickSignals[g.turnSeat]};
}

TEST(ExpertFairness, TheChoiceIgnoresWhichConsistentHandsTheOthersHold) {
    const std::vector<GameState> positions = testing::positionsOfMatches(77, 3);
    std::mt19937 dealer(3);
    int choices = 0, handsChanged = 0;
    for (std::size_t i = 0; i < positions.size(); i += 3) {
        const GameState& g = positions[i];
        const SeatKnowledge k = knowledgeOf(seatView(g, g.turnSeat));
        for (int swap = 0; swap < 2; ++swap) {
            SampledHands other{};
            ASSERT_TRUE(sampleHands(k, dealer, other));
            const GameState swapped = testing::withHands(g, other);
            for (Byte s = 1; s <= 4; ++s)
                handsChanged += testing::handOf(swapped, s) != testing::handOf(g, s);
            EXPECT_EQ(choiceIn(swapped, 11), choiceIn(g, 11)) << "position " << i;
            ++choices;
        }
    }
    EXPECT_GT(choices, 100);
    EXPECT_GT(handsChanged, choices / 2);
}

// Seats 1..4 hold these cards (seat 4's led card on the table); every other
// card was played earlier, seat by seat, seat 2 first with its aces of Bastoni
// and Spade.
GameState lastTwoTricks() {
    GameState g;
    const std::array<std::string, 5> held{"", "3D 5D", "AD 6C", "4C 5C", "7C"};
    CardSet placed = cardBit(card("4D")) | cardBit(card("AB")) | cardBit(card("AS"));
    for (Byte s = 1; s <= 4; ++s) {
        int slot = 1;
        for (const Byte c : cards(held[s])) {
            g.hands[s][slot++] = c;
            placed |= cardBit(c);
        }
    }
    std::array<std::vector<Byte>, 5> played{};
    played[2] = cards("AB AS");
    played[4] = cards("4D");
    Byte seat = 1;
    for (int c = 1; c <= kCardCount; ++c) {
        if (placed & cardBit(c)) continue;
        while (played[seat].size() == (seat == 4 ? 9u : 8u)) ++seat;
        played[seat].insert(played[seat].begin(), static_cast<Byte>(c));
    }
    for (Byte s = 1; s <= 4; ++s) {
        int slot = 10;
        for (const Byte c : played[s]) g.hands[s][slot--] = static_cast<Byte>(c + kPlayedMark);
    }
    rebuildHoldMap(g);
    for (Byte s = 1; s <= 4; ++s)
        g.declSlots[s] = testing::dealtDeclarations(testing::handOf(g, s) | g.playedCards[s]);
    // Buongioco of aces without Coppe: the ace of Denari is seat 2's
    EXPECT_EQ(g.declSlots[2][1], 2);
    g.lackedSuits[3] = 1U << 1;
    g.leaderSeat = 4;
    g.turnSeat = 1;
    g.tableCards[4] = g.cardToPlay = card("4D");
    g.trickNumber = 9;
    g.cardsPlayed = 34;
    return g;
}

TEST(ExpertChoice, TakesTheAceWithTheThreeWhereTheClassicStrategyPlaysLow) {
    const GameState g = lastTwoTricks();
    GameState classic = g;
    chooseComputerCard(classic);
    ASSERT_EQ(classic.cardToPlay, card("5D"));  // the ace then takes 4 thirds and the last trick
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        const auto [chosen, signal] = choiceIn(g, seed);
        EXPECT_EQ(chosen, card("3D")) << "seed " << seed;
        EXPECT_EQ(signal, kStriscio);  // another Denari is held behind it
    }
}

TEST(ExpertChoice, AHandWithOneLegalCardPlaysItWithoutSampling) {
    GameState g = lastTwoTricks();
    g.hands[1][2] = static_cast<Byte>(card("5D") + kPlayedMark);  // the 3 of Denari alone
    rebuildHoldMap(g);
    std::mt19937 engine(1);
    const std::mt19937 before = engine;
    EXPECT_EQ(expertCard(knowledgeOf(seatView(g, 1)), kFewSamples, engine), card("3D"));
    EXPECT_EQ(engine, before);
}

}  // namespace
}  // namespace morvello
