#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/game_state.h"
#include "cards/hand_order.h"
#include "cards/shuffle.h"

namespace morvello {
namespace {

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
    g.hands[2][4] = cardCode(2, 7);
    EXPECT_EQ(Trovo_Carta(g, 7, 2), 4);
    g.hands[2][4] += kPlayedMark;
    EXPECT_EQ(Trovo_Carta(g, 7, 2), 0);
}

TEST(Hands, SortedBySuitThenStrength) {
    GameState g;
    const Byte dealt[10] = {cardCode(4, 7), cardCode(2, 5), cardCode(2, 10), cardCode(4, 1),
                            cardCode(2, 3), cardCode(1, 4), cardCode(1, 2),  cardCode(3, 8),
                            cardCode(3, 9), cardCode(1, 1)};
    for (int i = 0; i < 10; ++i) g.hands[1][i + 1] = dealt[i];
    sortHand(g, 1);
    const Byte expected[10] = {cardCode(1, 2),  cardCode(1, 1), cardCode(1, 4), cardCode(2, 3),
                               cardCode(2, 10), cardCode(2, 5), cardCode(3, 9), cardCode(3, 8),
                               cardCode(4, 1),  cardCode(4, 7)};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(g.hands[1][i + 1], expected[i]) << "slot " << i + 1;
}

TEST(Shuffle, GivesPermutationsAndDependsOnTheSeed) {
    GameState a, b;
    ShuffleEngine e1(7), e2(7), e3(8);
    Mescola(a, e1);
    Mescola(b, e2);
    EXPECT_TRUE(isFullDeck(a.deck));
    EXPECT_EQ(a.deck, b.deck);
    Mescola(b, e3);
    EXPECT_TRUE(isFullDeck(b.deck));
    EXPECT_NE(a.deck, b.deck);
}

}  // namespace
}  // namespace morvello
