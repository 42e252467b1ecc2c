#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace morvello
