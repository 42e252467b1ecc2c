#include <gtest/gtest.h>

#include "players/lead.h"
#include "players/play_signal.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// Seat 3 leads a trick after the previous one, which was led in Denari.
struct Lead : ::testing::Test {
    GameState g;
    static constexpr Byte T = 3;

    // A fresh hand for T, with no card played yet by anyone.
    void hold(std::initializer_list<Byte> hand) {
        g.hands = {};
        give(g, T, hand);
    }
    Byte lead() {
        trick(g, T, {});
        Scelta_Primo_Turno(g);
        return chosenCard(g);
    }
    Byte signal() const { return g.trickSignals[T]; }

    void SetUp() override { g.leadSuit = kDenari; }
};

TEST_F(Lead, ThreeTopCardsLeadTheAceWhenTheKingIsSafeElseKnockWithASmallCard) {
    hold(
        {card(3, kCoppe), card(2, kCoppe), card(kAce, kCoppe), card(5, kCoppe), card(6, kBastoni)});
    EXPECT_EQ(lead(), card(5, kCoppe));
    EXPECT_EQ(signal(), kBusso);
    EXPECT_EQ(g.leadSuit, kCoppe);

    // The king played by seat 4 is not seen as out.
    g.trickSignals = {};
    playedEarlier(g, 4, card(kKing, kCoppe));
    EXPECT_EQ(lead(), card(5, kCoppe));

    hold(
        {card(3, kCoppe), card(2, kCoppe), card(kAce, kCoppe), card(5, kCoppe), card(6, kBastoni)});
    playedEarlier(g, 2, card(kKing, kCoppe));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kAce, kCoppe));
    EXPECT_EQ(signal(), kNoSignal);  // it was dealt that ace

    hold({card(3, kCoppe), card(2, kCoppe), card(kAce, kCoppe), card(kKing, kCoppe)});
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kAce, kCoppe));

    // The three top cards alone, king not safe: no rule for Coppe, the least valuable card.
    hold({card(3, kCoppe), card(2, kCoppe), card(kAce, kCoppe), card(kHorse, kSpade)});
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kHorse, kSpade));
    EXPECT_EQ(signal(), kNoSignal);
    EXPECT_EQ(g.leadSuit, kSpade);  // left on the last suit examined
}

TEST_F(Lead, TwoTopCardsLeadHighOnceTheMissingOneIsOut) {
    // 2 and 3 of Bastoni, the ace out: lead the 2 and creep (the 3 is still held).
    hold({card(2, kBastoni), card(3, kBastoni), card(4, kDenari)});
    playedEarlier(g, 2, card(kAce, kBastoni));
    EXPECT_EQ(lead(), card(2, kBastoni));
    EXPECT_EQ(signal(), kStriscio);
    EXPECT_EQ(g.leadSuit, kBastoni);

    // The same ace played by seat 4 is not out: no rule, and never a knock without the ace.
    hold({card(2, kBastoni), card(3, kBastoni), card(5, kBastoni), card(4, kDenari)});
    playedEarlier(g, 4, card(kAce, kBastoni));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(4, kDenari));
    EXPECT_EQ(signal(), kNoSignal);

    // Ace and 2: the ace once the 3 is out; else a knock with a third card; else nothing.
    hold({card(kAce, kSpade), card(2, kSpade), card(6, kSpade)});
    playedEarlier(g, 1, card(3, kSpade));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kAce, kSpade));
    EXPECT_EQ(signal(), kNoSignal);

    hold({card(kAce, kSpade), card(2, kSpade), card(6, kSpade)});
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(6, kSpade));
    EXPECT_EQ(signal(), kBusso);

    hold({card(kAce, kSpade), card(3, kSpade), card(kKnave, kSpade)});
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kKnave, kSpade));
    EXPECT_EQ(signal(), kBusso);
}

TEST_F(Lead, OneTopCardLeadsItOnceTheOtherTwoAreOut) {
    hold({card(3, kDenari), card(7, kDenari), card(5, kCoppe)});
    playedEarlier(g, 1, card(kAce, kDenari));
    EXPECT_EQ(lead(), card(5, kCoppe));  // the 2 of Denari is still in play

    playedEarlier(g, 2, card(2, kDenari));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(3, kDenari));
    EXPECT_EQ(signal(), kStriscio);

    hold({card(kAce, kCoppe), card(6, kBastoni)});
    playedEarlier(g, 1, card(2, kCoppe));
    playedEarlier(g, 3, card(3, kCoppe));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(kAce, kCoppe));
    EXPECT_EQ(signal(), kNoSignal);  // dealt that ace

    // The last card of a suit led high flings.
    hold({card(2, kSpade), card(6, kBastoni)});
    g.topDealt[T][kAce][kSpade] = 0;
    playedEarlier(g, 1, card(kAce, kSpade));
    playedEarlier(g, 2, card(3, kSpade));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(2, kSpade));
    EXPECT_EQ(signal(), kVolo);
}

TEST_F(Lead, EachRuleIsTriedOverAllSuitsBeforeTheNext) {
    // Denari's one-top-card rule and Spade's two-top-card rule both apply: Spade wins.
    hold({card(kAce, kDenari), card(4, kDenari), card(2, kSpade), card(3, kSpade)});
    playedEarlier(g, 1, card(2, kDenari));
    playedEarlier(g, 1, card(3, kDenari));
    playedEarlier(g, 2, card(kAce, kSpade));
    EXPECT_EQ(lead(), card(2, kSpade));
    EXPECT_EQ(g.leadSuit, kSpade);

    // Two suits for the same rule: the lower suit number.
    hold({card(2, kCoppe), card(3, kCoppe), card(2, kBastoni), card(3, kBastoni)});
    playedEarlier(g, 2, card(kAce, kCoppe));
    playedEarlier(g, 2, card(kAce, kBastoni));
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(2, kCoppe));
}

TEST_F(Lead, AReturnOwedIsLedBackWhenThePreviousTrickWasInThatSuit) {
    hold({card(kKing, kBastoni), card(5, kBastoni), card(2, kBastoni), card(4, kDenari),
          card(kAce, kSpade), card(2, kSpade), card(3, kSpade), card(kKing, kSpade)});
    g.returnSuit[T] = kBastoni;

    g.leadSuit = kCoppe;  // the previous trick was not in Bastoni: the return waits
    EXPECT_EQ(lead(), card(kAce, kSpade));
    EXPECT_EQ(g.returnSuit[T], kBastoni);

    g.leadSuit = kBastoni;
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(2, kBastoni));
    EXPECT_EQ(g.returnSuit[T], 0);
    EXPECT_EQ(g.leadSuit, kBastoni);
    EXPECT_EQ(signal(), kStriscio);

    // Nothing left in the suit owed: the least valuable card, no signal, nothing owed.
    hold({card(4, kDenari), card(kKing, kCoppe), card(kAce, kCoppe)});
    g.returnSuit[T] = kBastoni;
    g.leadSuit = kBastoni;
    g.trickSignals = {};
    EXPECT_EQ(lead(), card(4, kDenari));
    EXPECT_EQ(g.returnSuit[T], 0);
    EXPECT_EQ(signal(), kNoSignal);
}

TEST_F(Lead, TheFirstLeadSinceStartUpNeverLeadsBack) {
    // leadSuit 0 and nothing owed (0): equal, but no return lead.
    hold({card(kAce, kCoppe), card(2, kCoppe), card(3, kCoppe), card(kKing, kCoppe),
          card(5, kDenari)});
    g.leadSuit = 0;
    EXPECT_EQ(lead(), card(kAce, kCoppe));
    EXPECT_EQ(g.leadSuit, kCoppe);
}

}  // namespace
}  // namespace morvello
