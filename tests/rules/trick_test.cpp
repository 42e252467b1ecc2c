// What this suite guards: a trick's winner and points, the human's legal plays,
// and a deal settled into the match score (fractions dropped, equal totals never
// ending a match).
#include <gtest/gtest.h>

#include <vector>

#include "rules/play_rules.h"
#include "rules/settlement.h"
#include "rules/trick.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// Who wins is checked over whole matches; here, what the table is left holding:
// the cards strongest first, equal ranks in seat order, and their seats.
TEST(Trick, TableIsLeftStrongestFirstWithEqualRanksInSeatOrder) {
    const struct {
        Byte leader;
        const char *played, *strongestFirst;
        std::vector<Byte> seats;
        Byte winner;
    } cases[] = {
        {1, "4C 3S KC AC", "3S AC KC 4C", {2, 4, 3, 1}, 4},
        {3, "3S 3C 3D 5S", "3D 3S 3C 5S", {1, 3, 4, 2}, 3},  // seat 1's 3 stays ahead of the led 3
    };
    for (const auto& c : cases) {
        GameState g;
        trick(g, c.leader, c.played);
        const std::array<Byte, 5> bySeat = g.tableCards;
        resolveTrick(g);
        EXPECT_EQ(g.trickBySeat, bySeat);
        EXPECT_EQ(std::vector<Byte>(g.tableCards.begin() + 1, g.tableCards.end()),
                  cards(c.strongestFirst));
        EXPECT_EQ(std::vector<Byte>(g.seatOrder.begin() + 1, g.seatOrder.begin() + 5), c.seats);
        EXPECT_EQ(g.turnSeat, c.winner);
        EXPECT_EQ(g.leaderSeat, c.winner);
    }
}

TEST(Trick, PointsGoToTheCoupleOfTurnSeatInThirds) {
    GameState g;
    g.dealNumber = 2;
    g.dealScoreA = g.dealScoreB = {0, 0, 0};
    trick(g, 1, "6C JC 2C AC");
    g.turnSeat = 4;
    EXPECT_EQ(creditTrickPoints(g), 5);  // ace 3 + two 1 + knave 1 + six 0
    EXPECT_EQ(g.cardPoints, (std::array<int, 2>{0, 5}));
    EXPECT_EQ(g.dealScoreB, (std::vector<int>{0, 0, 5}));
    EXPECT_EQ(g.dealScoreA, (std::vector<int>{0, 0, 0}));
}

TEST(OutranksTable, ComparesEveryOtherPlaceWhateverItsSuitAndReadsAnEmptyPlaceAsAKing) {
    GameState g;
    trick(g, 1, "HD");                           // seat 2 to play; seats 3 and 4 have not played
    EXPECT_TRUE(outranksTable(g, card("KC")));   // the empty places are kings: equal
    EXPECT_FALSE(outranksTable(g, card("HD")));  // ... and beat a horse
    EXPECT_TRUE(outranksTable(g, card("AS")));

    trick(g, 1, "3S 2D 4D");
    EXPECT_FALSE(outranksTable(g, card("2B")));  // a 3 of another suit is stronger
    EXPECT_TRUE(outranksTable(g, card("3B")));   // an equal rank does not lose

    trick(g, 1, "HD");
    g.tableCards[2] = card("3C");  // turnSeat's own place is not looked at
    EXPECT_TRUE(outranksTable(g, card("KD")));
}

TEST(LegalPlay, OnlyTheLeadSuitIsLegalWhileTheHumanHoldsIt) {
    GameState g;
    g.hands[1] = {0, card("AC"), card("2S")};
    g.leaderSeat = 4;
    g.tableCards[4] = card("7D");
    EXPECT_TRUE(isLegalPlay(g, 1, card("AC")));
    g.hands[1][3] = card("2D");
    EXPECT_FALSE(isLegalPlay(g, 1, card("AC")));
    EXPECT_TRUE(isLegalPlay(g, 1, card("2D")));
    EXPECT_EQ(refusalMessage(g), "You have Denari");
    g.hands[1][3] = static_cast<Byte>(card("2D") + kPlayedMark);  // played: no longer binds
    EXPECT_TRUE(isLegalPlay(g, 1, card("2S")));
    g.leaderSeat = 1;  // leading, anything goes
    g.hands[1][3] = card("2D");
    EXPECT_TRUE(isLegalPlay(g, 1, card("AC")));
}

TEST(Settlement, FractionsDropAndTheLastTrickCountsWhole) {
    GameState g;
    g.turnSeat = 4;                // won the tenth trick
    dealScore(g, 0) = 17 + 3 * 7;  // 5 2/3 card points and declarations of 3 + 4
    dealScore(g, 1) = 15;          // 5 card points
    g.cardPoints = {17, 15};
    settleDeal(g);
    EXPECT_EQ(g.cardPoints, (std::array<int, 2>{15, 15}));
    EXPECT_EQ(g.dealScoreA[1], 3 * 12);
    EXPECT_EQ(g.dealScoreB[1], 3 * 6);
    EXPECT_EQ(g.matchTotal, (std::array<int, 2>{12, 6}));
}

TEST(Settlement, EqualTotalsNeverEndAMatch) {
    const struct {
        int a, b, option;
        bool over;
    } cases[] = {{21, 21, 0, false}, {22, 21, 0, true},  {20, 25, 0, true}, {21, 12, 0, true},
                 {20, 20, 0, false}, {30, 20, 1, false}, {31, 20, 1, true}};
    for (const auto& c : cases) {
        GameState g;
        g.matchTotal = {c.a, c.b};
        g.scoreOption = static_cast<Byte>(c.option);
        EXPECT_EQ(isMatchOver(g), c.over) << c.a << " to " << c.b;
    }
}

}  // namespace
}  // namespace morvello
