// What this suite guards: card values and suits, the hand order and the shuffle.
// (The dealer draw: the dealer choice's flow; ranks and points: the random matches'
// own account; the hands' bookkeeping: every play of them and the Expert's rebuilt
// positions.)
#include <gtest/gtest.h>

#include <vector>

#include "card_notation.h"

#include "cards/card.h"
#include "cards/game_state.h"
#include "cards/hand_order.h"
#include "cards/shuffle.h"

namespace morvello {
namespace {

using testing::card;
using testing::cards;

// A played entry (card + 100) keeps its value but not its suit.
TEST(Cards, ValueAndSuitReadTensAsKings) {
    const struct {
        int code, value, suit;
    } cases[] = {{10, 10, 1}, {11, 1, 2}, {20, 10, 2}, {40, 10, 4}, {0, 10, 0}, {105, 5, 11}};
    for (const auto& c : cases) {
        EXPECT_EQ(valueOf(c.code), c.value) << c.code;
        EXPECT_EQ(suitOf(c.code), c.suit) << c.code;
    }
}

TEST(Hands, SortedBySuitThenStrength) {
    GameState g;
    const auto dealt = cards("7S 5C KC AS 3C 4D 2D JB HB AD");
    for (int i = 0; i < 10; ++i) g.hands[1][i + 1] = dealt[i];
    sortHand(g, 1);
    const auto expected = cards("2D AD 4D 3C KC 5C HB JB AS 7S");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(g.hands[1][i + 1], expected[i]) << "slot " << i + 1;
        EXPECT_EQ(g.slotOf[expected[i]], i + 1);
    }
}

TEST(Shuffle, GivesPermutationsAndDependsOnTheSeed) {
    Deck a{}, b{};
    ShuffleEngine e1(7), e2(7), e3(8);
    shuffleDeck(a, e1);
    shuffleDeck(b, e2);
    EXPECT_TRUE(isFullDeck(a));
    EXPECT_EQ(a, b);
    shuffleDeck(b, e3);
    EXPECT_TRUE(isFullDeck(b));
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace morvello
