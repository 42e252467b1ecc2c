// What this suite guards: the rules the random matches' account cannot see: the
// table left strongest first after a trick, a card outranking the table, the
// human's legal plays, the declaration records and caption lines, the top cards dealt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/declarations.h"
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
    EXPECT_EQ(leadSuitOf(g), kDenari);                            // the suit a refusal names
    g.hands[1][3] = static_cast<Byte>(card("2D") + kPlayedMark);  // played: no longer binds
    EXPECT_TRUE(isLegalPlay(g, 1, card("2S")));
    g.leaderSeat = 1;  // leading, anything goes
    g.hands[1][3] = card("2D");
    EXPECT_TRUE(isLegalPlay(g, 1, card("AC")));
}

// The points of every dealt hand are checked over whole matches; here, the records
// in the slots and the declarations the seat shows, in slot order.
TEST(Declarations, RecordsAndShownDeclarations) {
    struct Case {
        const char* hand;
        int points;
        std::array<Byte, 5> slots;
        std::string shown;
    };
    constexpr Byte N = kNapoletana, F = kFourOfAKind;
    const Case cases[] = {
        {"AD 2D 3D 2C 2B 2S 5C", 7, {0, N, F, 0, 0}, " napoletana D, four 2"},
        // The Napoletana in Coppe takes slot 2 from the four twos; both still score.
        {"AC 2C 3C 2D 2B 2S", 7, {0, 0, N, 0, 0}, " napoletana C"},
        // The Napoletana in Spade uses slot 4, which no value record uses.
        {"AS 2S 3S 3D 3C", 6, {0, 0, 0, kBastoni, N}, " buongioco 3 -B, napoletana S"},
        {"AS 2S 3S KC", 3, {0, 0, 0, 0, N}, " napoletana S"},
        {"AD AC AB AS 2D 2C 2B 2S KC", 8, {0, F, F, 0, 0}, " four A, four 2"},
        {"AD 2D AC 3S 3B KS", 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hand);
        GameState g;
        give(g, 2, c.hand);
        recordDeclarations(g);
        EXPECT_EQ(g.declPoints[2], c.points);
        EXPECT_EQ(g.declSlots[2], c.slots);
        EXPECT_EQ(declarationsNote(shownDeclarations(g, 2)), c.shown);
    }
}

TEST(Declarations, TopCardsDealtAreRecordedForEverySeatAndRebuiltEachDeal) {
    GameState g;
    give(g, 1, "AB KB");
    give(g, 4, "3C 7C");
    g.topDealt = {};
    g.topDealt[2][2][kSpade] = 1;      // left from the deal before
    g.declSlots[3][1] = kFourOfAKind;  // likewise
    recordDeclarations(g);
    decltype(g.topDealt) expected{};
    expected[1][1][kBastoni] = expected[4][3][kCoppe] = 1;
    EXPECT_EQ(g.topDealt, expected);
    EXPECT_EQ(g.declSlots[3][1], 0);
}

}  // namespace
}  // namespace morvello
