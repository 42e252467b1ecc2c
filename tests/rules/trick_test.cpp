// What this suite guards: the table left strongest first after a trick, a card
// outranking the table, and the human's legal plays. (Who wins, the points, the
// settled deal and the end of a match: the random matches' own account.)
#include <gtest/gtest.h>

#include <vector>

#include "rules/play_rules.h"
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

}  // namespace
}  // namespace morvello
