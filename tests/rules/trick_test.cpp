#include <gtest/gtest.h>

#include "match/trick.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

struct Decided {
    Byte winner;
    std::array<Byte, 5> table;
    std::array<Byte, 5> seats;
};

// Seat 1 leads unless told otherwise; cards are given by seat.
Decided decide(GameState& g, std::array<Byte, 5> bySeat, Byte leader = 1) {
    g.tableCards = bySeat;
    g.leaderSeat = leader;
    g.turnSeat = leader;
    DETERMINO_TURNO(g);
    EXPECT_EQ(g.leaderSeat, g.turnSeat);
    EXPECT_EQ(g.trickBySeat, bySeat);
    return {g.turnSeat,
            g.tableCards,
            {0, g.seatOrder[1], g.seatOrder[2], g.seatOrder[3], g.seatOrder[4]}};
}

TEST(Trick, AnOffSuitCardNeverWins) {
    GameState g;
    const Decided d =
        decide(g, {0, card(4, kCoppe), card(3, kSpade), card(kKing, kCoppe), card(kAce, kCoppe)});
    EXPECT_EQ(d.winner, 4);
    const std::array<Byte, 5> strongestFirst = {0, card(3, kSpade), card(kAce, kCoppe),
                                                card(kKing, kCoppe), card(4, kCoppe)};
    EXPECT_EQ(d.table, strongestFirst);
    EXPECT_EQ(d.seats, (std::array<Byte, 5>{0, 2, 4, 3, 1}));
}

TEST(Trick, ThreeOverTwoOverAceOverKing) {
    GameState g;
    EXPECT_EQ(decide(g, {0, card(kKing, kDenari), card(kAce, kDenari), card(2, kDenari),
                         card(3, kDenari)})
                  .winner,
              4);
    EXPECT_EQ(decide(g, {0, card(kKing, kDenari), card(kAce, kDenari), card(2, kDenari),
                         card(7, kDenari)})
                  .winner,
              3);
    EXPECT_EQ(decide(g,
                     {0, card(kKing, kBastoni), card(kAce, kBastoni), card(kHorse, kBastoni),
                      card(4, kBastoni)},
                     3)
                  .winner,
              2);
    EXPECT_EQ(decide(g,
                     {0, card(kKnave, kSpade), card(kKing, kSpade), card(7, kSpade),
                      card(kHorse, kSpade)},
                     2)
                  .winner,
              2);
}

TEST(Trick, EqualRanksKeepSeatOrderAndOnlyTheLedSuitWins) {
    GameState g;
    // Seat 3 leads the 3 of Spade; seat 1's 3 of Denari stays ahead of it in the order.
    const Decided d =
        decide(g, {0, card(3, kDenari), card(5, kSpade), card(3, kSpade), card(3, kCoppe)}, 3);
    EXPECT_EQ(d.seats, (std::array<Byte, 5>{0, 1, 3, 4, 2}));
    EXPECT_EQ(d.winner, 3);
}

TEST(Trick, PointsGoToTheWinnersCoupleInThirds) {
    GameState g;
    g.dealNumber = 2;
    decide(g, {0, card(6, kCoppe), card(kKnave, kCoppe), card(2, kCoppe), card(kAce, kCoppe)}, 4);
    ASSERT_EQ(g.turnSeat, 3);
    EXPECT_EQ(attribuisco_punteggio(g), 5);  // ace 3 + two 1 + knave 1 + six 0
    EXPECT_EQ(g.cardPoints, (std::array<int, 2>{5, 0}));
    EXPECT_EQ(dealScore(g, 0), 5);
    EXPECT_EQ(dealScore(g, 1), 0);

    decide(g, {0, card(4, kSpade), card(kKing, kSpade), card(5, kSpade), card(kHorse, kSpade)});
    ASSERT_EQ(g.turnSeat, 2);
    EXPECT_EQ(attribuisco_punteggio(g), 2);
    EXPECT_EQ(g.cardPoints, (std::array<int, 2>{5, 2}));
    EXPECT_EQ(dealScore(g, 1), 2);
    EXPECT_EQ(g.dealScoreA[1], 0);  // earlier deals untouched
}

TEST(Vincente, ComparesEveryOtherPlaceWhateverItsSuitAndReadsAnEmptyPlaceAsAKing) {
    GameState g;
    // Nobody has played yet but the leader (seat 1); seat 2 to play.
    trick(g, 1, {card(kHorse, kDenari)});
    EXPECT_TRUE(vincente(g, card(kKing, kCoppe)));     // the empty places are kings: equal
    EXPECT_FALSE(vincente(g, card(kHorse, kDenari)));  // ... and beat a horse
    EXPECT_TRUE(vincente(g, card(kAce, kSpade)));

    trick(g, 1, {card(3, kSpade), card(2, kDenari), card(4, kDenari)});
    ASSERT_EQ(g.turnSeat, 4);
    EXPECT_FALSE(vincente(g, card(2, kBastoni)));  // a 3 of another suit is stronger
    EXPECT_TRUE(vincente(g, card(3, kBastoni)));   // an equal rank does not lose

    // turnSeat's own place is not looked at.
    trick(g, 1, {card(kHorse, kDenari)});
    g.tableCards[2] = card(3, kCoppe);
    EXPECT_TRUE(vincente(g, card(kKing, kDenari)));
}

}  // namespace
}  // namespace morvello
