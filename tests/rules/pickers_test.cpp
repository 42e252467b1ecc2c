#include <gtest/gtest.h>

#include "players/pickers.h"
#include "players/queries.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The card each picker designates for seat 2 holding the hand.
struct Picks {
    GameState g;
    explicit Picks(std::initializer_list<Byte> hand) {
        give(g, 2, hand);
        g.turnSeat = 2;
    }
    Byte unaMinore() {
        return pick([&] { Scelgo_una_minore(g); });
    }
    Byte laMinore(Byte suit) {
        return pick([&] { Scelgo_la_minore(g, suit); });
    }
    Byte laMaggiore(Byte suit) {
        return pick([&] { Scelgo_la_Maggiore(g, suit); });
    }

    template <typename F>
    Byte pick(F picker) {
        g.chosenSlot = 9;  // a stale choice from before
        picker();
        return g.chosenSlot == 0 ? 0 : chosenCard(g);
    }
};

TEST(Queries, CountAndFindOnlyTheCardsTurnSeatStillHolds) {
    GameState g;
    give(g, 3, {card(5, kCoppe), card(kKing, kCoppe), card(kAce, kSpade)});
    give(g, 2, {card(6, kCoppe)});
    giveUp(g, 3, card(kKing, kCoppe));
    g.turnSeat = 3;
    EXPECT_EQ(Quante(g, kCoppe), 1);
    EXPECT_EQ(Quante(g, kDenari), 0);
    EXPECT_EQ(Cè(g, kCoppe, 5), 1);
    EXPECT_EQ(Cè(g, kCoppe, kKing), 0);
    EXPECT_EQ(Cè(g, kCoppe, 6), 0);  // seat 2's card
}

TEST(Queries, ACardIsOutOnlyWhenSeatOneTwoOrThreePlayedIt) {
    GameState g;
    g.turnSeat = 2;
    playedEarlier(g, 1, card(kKing, kDenari));
    playedEarlier(g, 2, card(3, kCoppe));
    playedEarlier(g, 3, card(kAce, kSpade));
    playedEarlier(g, 4, card(2, kBastoni));
    g.hands[3][1] = card(7, kBastoni);  // held, not out
    EXPECT_TRUE(Carta_Uscita(g, kKing, kDenari));
    EXPECT_TRUE(Carta_Uscita(g, 3, kCoppe));
    EXPECT_TRUE(Carta_Uscita(g, kAce, kSpade));
    EXPECT_FALSE(Carta_Uscita(g, 2, kBastoni));
    EXPECT_FALSE(Carta_Uscita(g, 7, kBastoni));
}

TEST(Pickers, SuitOrdersTryTheTwoBeforeTheThreeBothWays) {
    Picks aceFive({card(kAce, kBastoni), card(5, kBastoni)});
    EXPECT_EQ(aceFive.laMinore(kBastoni), card(5, kBastoni));
    EXPECT_EQ(aceFive.laMaggiore(kBastoni), card(kAce, kBastoni));

    Picks threeTwo({card(3, kSpade), card(2, kSpade)});
    EXPECT_EQ(threeTwo.laMinore(kSpade), card(2, kSpade));
    EXPECT_EQ(threeTwo.laMaggiore(kSpade), card(2, kSpade));

    Picks kingKnave({card(kKing, kCoppe), card(kKnave, kCoppe)});
    EXPECT_EQ(kingKnave.laMinore(kCoppe), card(kKnave, kCoppe));
    EXPECT_EQ(kingKnave.laMaggiore(kCoppe), card(kKing, kCoppe));

    Picks lowTops({card(kAce, kDenari), card(3, kDenari), card(kKing, kDenari)});
    EXPECT_EQ(lowTops.laMinore(kDenari), card(kKing, kDenari));
    EXPECT_EQ(lowTops.laMaggiore(kDenari), card(kAce, kDenari));

    EXPECT_EQ(kingKnave.laMinore(kBastoni), 0);
    EXPECT_EQ(kingKnave.laMaggiore(kBastoni), 0);
}

TEST(Pickers, UnaMinoreSparesTheSmallCardsGuardingTopCards) {
    // A small card of an unguarded suit, however strong, before a guarding one.
    EXPECT_EQ(Picks({card(4, kDenari), card(kAce, kDenari), card(kKing, kSpade)}).unaMinore(),
              card(kKing, kSpade));
    // Guarding only the 2 comes before guarding only the 3, which comes before the ace.
    EXPECT_EQ(
        Picks({card(5, kDenari), card(3, kDenari), card(6, kCoppe), card(2, kCoppe)}).unaMinore(),
        card(6, kCoppe));
    EXPECT_EQ(Picks({card(4, kDenari), card(kAce, kDenari), card(7, kCoppe), card(3, kCoppe)})
                  .unaMinore(),
              card(7, kCoppe));
    // Guarding the ace alone comes before guarding two top cards.
    EXPECT_EQ(Picks({card(4, kDenari), card(2, kDenari), card(3, kDenari), card(kHorse, kSpade),
                     card(kAce, kSpade)})
                  .unaMinore(),
              card(kHorse, kSpade));
    // Among suits of one pass the lower suit wins, then the lower value.
    EXPECT_EQ(Picks({card(kKing, kCoppe), card(7, kCoppe), card(4, kBastoni)}).unaMinore(),
              card(7, kCoppe));
    // With only top cards left: the 2s, then the 3s, then the aces.
    EXPECT_EQ(Picks({card(2, kCoppe), card(3, kCoppe), card(kAce, kCoppe), card(kAce, kSpade)})
                  .unaMinore(),
              card(2, kCoppe));
    EXPECT_EQ(Picks({card(kAce, kDenari), card(3, kSpade)}).unaMinore(), card(3, kSpade));
    EXPECT_EQ(Picks({card(kAce, kSpade)}).unaMinore(), card(kAce, kSpade));
}

}  // namespace
}  // namespace morvello
