#include <gtest/gtest.h>

#include "players/follow.h"
#include "players/play_signal.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

struct Follow : ::testing::Test {
    GameState g;

    // The trick so far from the leader; the next seat holds the hand and follows.
    Byte follow(Byte leader, std::initializer_list<Byte> onTable,
                std::initializer_list<Byte> hand) {
        trick(g, leader, onTable);
        give(g, g.turnSeat, hand);
        Scelta_Turni_Successivi(g);
        return chosenCard(g);
    }
    Byte signal() const { return g.trickSignals[g.turnSeat]; }
};

TEST_F(Follow, ThePartnerAnswersAKnockWithItsHighestAndOwesTheSuitBack) {
    g.trickSignals[1] = kBusso;
    EXPECT_EQ(follow(1, {card(5, kCoppe), card(7, kCoppe)},
                     {card(kKing, kCoppe), card(2, kCoppe), card(4, kCoppe), card(6, kDenari)}),
              card(2, kCoppe));
    EXPECT_EQ(signal(), kStriscio);
    EXPECT_EQ(g.returnSuit[3], kCoppe);
    EXPECT_EQ(g.trickSignals[1], kNoSignal);  // answered once
    EXPECT_EQ(g.leadSuit, kCoppe);
}

TEST_F(Follow, AKnockAnsweredWithOneCardOrNone) {
    g.trickSignals[1] = kBusso;
    EXPECT_EQ(follow(1, {card(5, kCoppe), card(7, kCoppe)}, {card(6, kCoppe), card(4, kDenari)}),
              card(6, kCoppe));
    EXPECT_EQ(signal(), kVolo);
    EXPECT_EQ(g.returnSuit[3], 0);

    g.trickSignals = {0, kBusso};
    EXPECT_EQ(follow(1, {card(5, kCoppe), card(7, kCoppe)}, {card(kAce, kCoppe), card(4, kDenari)}),
              card(kAce, kCoppe));
    EXPECT_EQ(signal(), kNoSignal);  // dealt the ace of Coppe

    g.trickSignals = {0, kBusso};
    EXPECT_EQ(follow(1, {card(5, kCoppe), card(7, kCoppe)},
                     {card(kKing, kSpade), card(4, kDenari), card(3, kDenari)}),
              card(kKing, kSpade));
    EXPECT_EQ(signal(), kNoSignal);
    EXPECT_EQ(g.trickSignals[1], kNoSignal);  // consumed all the same
    EXPECT_EQ(g.returnSuit[3], 0);
}

TEST_F(Follow, AKnockByTheOtherCoupleIsIgnored) {
    g.trickSignals[1] = kBusso;
    EXPECT_EQ(follow(1, {card(5, kCoppe)}, {card(kKing, kCoppe), card(2, kCoppe), card(4, kCoppe)}),
              card(4, kCoppe));
    EXPECT_EQ(g.trickSignals[1], kBusso);
    EXPECT_EQ(g.returnSuit[2], 0);
}

TEST_F(Follow, SecondHandGoesHighOverALedKingAndLowUnderAHorse) {
    EXPECT_EQ(follow(1, {card(kKing, kDenari)},
                     {card(5, kDenari), card(kAce, kDenari), card(7, kDenari)}),
              card(kAce, kDenari));
    EXPECT_EQ(signal(), kStriscio);  // playing high signals even with the ace dealt

    EXPECT_EQ(follow(3, {card(3, kSpade)}, {card(4, kSpade)}), card(4, kSpade));
    EXPECT_EQ(signal(), kVolo);

    g.trickSignals = {};
    EXPECT_EQ(follow(1, {card(kHorse, kDenari)},
                     {card(5, kDenari), card(kAce, kDenari), card(7, kDenari)}),
              card(5, kDenari));
    EXPECT_EQ(signal(), kNoSignal);  // playing low: dealt the ace, so no signal

    EXPECT_EQ(follow(2, {card(kHorse, kBastoni)}, {card(5, kBastoni), card(kKing, kBastoni)}),
              card(5, kBastoni));
    EXPECT_EQ(signal(), kStriscio);
}

TEST_F(Follow, ThirdAndFourthHandPlayLowUnlessAnAceCallsForTheTwoOrThree) {
    // Third hand plays low even when nothing on the table beats its 2.
    EXPECT_EQ(
        follow(1, {card(kKing, kDenari), card(3, kDenari)}, {card(2, kDenari), card(6, kDenari)}),
        card(6, kDenari));
    EXPECT_EQ(signal(), kStriscio);

    // Third hand over a led ace, holding the 2 and 3: the 2, unsignalled.
    g.trickSignals = {};
    EXPECT_EQ(follow(1, {card(kAce, kBastoni), card(4, kBastoni)},
                     {card(3, kBastoni), card(2, kBastoni), card(5, kBastoni)}),
              card(2, kBastoni));
    EXPECT_EQ(signal(), kNoSignal);

    // Fourth hand: the partner, void, discarded an ace of another suit; only the value counts.
    g.trickSignals = {};
    EXPECT_EQ(follow(1, {card(5, kSpade), card(kAce, kDenari), card(6, kSpade)},
                     {card(2, kSpade), card(4, kSpade), card(7, kSpade)}),
              card(2, kSpade));
    EXPECT_EQ(signal(), kNoSignal);

    // No ace on the table: the 4, and a creep.
    EXPECT_EQ(follow(1, {card(5, kSpade), card(7, kDenari), card(6, kSpade)},
                     {card(2, kSpade), card(4, kSpade), card(7, kSpade)}),
              card(4, kSpade));
    EXPECT_EQ(signal(), kStriscio);

    // Only the ace of the suit: played, and no signal (it was dealt).
    g.trickSignals = {};
    EXPECT_EQ(follow(1, {card(5, kSpade), card(kKing, kSpade), card(6, kSpade)},
                     {card(kAce, kSpade), card(6, kDenari)}),
              card(kAce, kSpade));
    EXPECT_EQ(signal(), kNoSignal);
    EXPECT_EQ(g.leadSuit, kSpade);
}

TEST_F(Follow, AVoidFollowerDiscardsWithoutSignal) {
    EXPECT_EQ(follow(2, {card(kKing, kCoppe)},
                     {card(kAce, kDenari), card(5, kDenari), card(kHorse, kSpade)}),
              card(kHorse, kSpade));
    EXPECT_EQ(signal(), kNoSignal);
    EXPECT_EQ(g.leadSuit, kCoppe);
}

}  // namespace
}  // namespace morvello
