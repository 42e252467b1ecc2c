#include <gtest/gtest.h>

#include "card_notation.h"

#include "cards/card.h"
#include "cards/game_state.h"
#include "cards/hand_order.h"
#include "cards/shuffle.h"

namespace morvello {
namespace {

using testing::card;
using testing::cards;

TEST(Cards, ValueAndSuitReadTensAsKings) {
    EXPECT_EQ(ValCarta(10), 10);
    EXPECT_EQ(ValCarta(20), 10);
    EXPECT_EQ(ValCarta(40), 10);
    EXPECT_EQ(ValCarta(0), 10);
    EXPECT_EQ(ValCarta(105), 5);  // a played entry keeps its value
    EXPECT_EQ(Seme(10), 1);
    EXPECT_EQ(Seme(11), 2);
    EXPECT_EQ(Seme(40), 4);
    EXPECT_EQ(Seme(0), 0);
    EXPECT_EQ(Seme(105), 11);  // ... but not its suit
}

TEST(Cards, RankPositionsComeFromTheLiteral) {
    const int expected[11] = {0, 3, 2, 1, 11, 10, 9, 8, 7, 6, 4};
    for (int v = 1; v <= 10; ++v) EXPECT_EQ(rankPosition(v), expected[v]) << "value " << v;
}

TEST(Cards, DeckHoldsThirtyTwoThirds) {
    int thirds = 0;
    for (int c = 1; c <= 40; ++c) thirds += cardThirds(c);
    EXPECT_EQ(thirds, 32);
}

TEST(DealerDraw, SingleHighestValueDeals) {
    GameState g;
    g.drawValues = {0, 10, 10, 3, 1};
    ord_massimo(g);
    EXPECT_EQ(g.dealerSeat, 0);
    g.drawValues = {0, 1, 9, 9, 10};
    ord_massimo(g);
    EXPECT_EQ(g.dealerSeat, 4);
    g.drawValues = {0, 1, 5, 9, 8};  // ace, 5, horse, knave: seat 3's horse
    ord_massimo(g);
    EXPECT_EQ(g.dealerSeat, 3);
}

TEST(Hands, PlayedCardsAreNeverFound) {
    GameState g;
    g.turnSeat = 2;
    placeInHand(g, 2, 4, card("7C"));
    EXPECT_EQ(Trovo_Carta(g, 7, 2), 4);
    playFromSlot(g, 2, 4);
    EXPECT_EQ(g.hands[2][4], card("7C") + kPlayedMark);
    EXPECT_EQ(Trovo_Carta(g, 7, 2), 0);
    EXPECT_EQ(g.playedCards[2], cardBit(card("7C")));
}

// rebuildHoldMap reads the hands as they stand: held cards in holdMap, played
// ones in playedCards, and every card's slot.
TEST(Hands, HoldMapIsRebuiltFromTheHands) {
    GameState g;
    g.hands[3] = {0, card("3B"), card("AB"), static_cast<Byte>(card("KB") + kPlayedMark),
                  card("5S")};
    g.holdMap[1][testing::kDenari] = valueBit(1);  // stale
    rebuildHoldMap(g);
    EXPECT_EQ(g.holdMap[3][testing::kBastoni], valueBit(3) | valueBit(1));
    EXPECT_EQ(g.holdMap[3][testing::kSpade], valueBit(5));
    EXPECT_EQ(g.holdMap[1][testing::kDenari], 0);
    EXPECT_EQ(g.playedCards[3], cardBit(card("KB")));
    EXPECT_EQ(g.slotOf[card("KB")], 3);
    EXPECT_EQ(g.slotOf[card("5S")], 4);
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
    Mescola(a, e1);
    Mescola(b, e2);
    EXPECT_TRUE(isFullDeck(a));
    EXPECT_EQ(a, b);
    Mescola(b, e3);
    EXPECT_TRUE(isFullDeck(b));
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace morvello
