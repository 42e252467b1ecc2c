#include <gtest/gtest.h>

#include "cards/shuffle.h"
#include "match/trick.h"
#include "players/card_choice.h"
#include "players/play_signal.h"
#include "scoring/declarations.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

TEST(CardChoice, TheCardChosenLeavesHandAndHoldMap) {
    GameState g;
    give(g, 2, {card(kKing, kCoppe), card(4, kDenari), card(kAce, kDenari)});
    trick(g, 2, {});
    scelgo_carta_da_giocare(g);  // leads: the least valuable card
    EXPECT_EQ(g.cardToPlay, card(kKing, kCoppe));
    EXPECT_EQ(g.chosenSlot, 1);
    EXPECT_EQ(g.hands[2][1], card(kKing, kCoppe) + kPlayedMark);
    EXPECT_EQ(g.holdMap[2][kCoppe][kKing], ' ');

    scelgo_carta_da_giocare(g);
    EXPECT_EQ(g.cardToPlay, card(4, kDenari));
    scelgo_carta_da_giocare(g);
    EXPECT_EQ(g.cardToPlay, card(kAce, kDenari));

    // Nothing left: no card, nothing marked.
    const auto hands = g.hands;
    scelgo_carta_da_giocare(g);
    EXPECT_EQ(g.cardToPlay, 0);
    EXPECT_EQ(g.hands, hands);
}

TEST(CardChoice, AFollowerCountsTheCardItIsAboutToPlay) {
    // Its last Bastoni played low: Volo, so the count was taken while still held.
    GameState g;
    trick(g, 1, {card(kHorse, kBastoni), card(4, kDenari)});
    give(g, 3, {card(5, kBastoni), card(kKing, kCoppe)});
    scelgo_carta_da_giocare(g);
    EXPECT_EQ(g.cardToPlay, card(5, kBastoni));
    EXPECT_EQ(g.trickSignals[3], kVolo);
    EXPECT_EQ(g.holdMap[3][kBastoni][5], ' ');
}

TEST(CardChoice, PartnerAndOpponentChooseAlike) {
    const std::initializer_list<Byte> hand = {card(kAce, kCoppe), card(2, kCoppe), card(5, kCoppe),
                                              card(kKing, kSpade), card(3, kDenari)};
    // Seat 3 answers seat 1's knock; seat 2 answers seat 4's.
    GameState partner;
    partner.trickSignals[1] = kBusso;
    trick(partner, 1, {card(4, kCoppe), card(7, kCoppe)});
    give(partner, 3, hand);
    scelgo_carta_da_giocare(partner);

    GameState opponent;
    opponent.trickSignals[4] = kBusso;
    trick(opponent, 4, {card(4, kCoppe), card(7, kCoppe)});
    give(opponent, 2, hand);
    scelgo_carta_da_giocare(opponent);

    EXPECT_EQ(partner.cardToPlay, card(kAce, kCoppe));
    EXPECT_EQ(opponent.cardToPlay, partner.cardToPlay);
    EXPECT_EQ(opponent.trickSignals[2], partner.trickSignals[3]);
    EXPECT_EQ(opponent.returnSuit[2], partner.returnSuit[3]);

    // And leading.
    for (GameState* g : {&partner, &opponent}) {
        g->trickSignals = {};
        trick(*g, g == &partner ? 3 : 2, {});
        give(*g, g->turnSeat, hand);
        g->leadSuit = kDenari;
        scelgo_carta_da_giocare(*g);
    }
    EXPECT_EQ(partner.cardToPlay, card(5, kCoppe));  // ace and 2 with a third card: knock
    EXPECT_EQ(partner.trickSignals[3], kBusso);
    EXPECT_EQ(opponent.cardToPlay, partner.cardToPlay);
    EXPECT_EQ(opponent.trickSignals[2], kBusso);
}

// Whole deals with every seat choosing by the strategies: each card played once,
// suit always followed when possible, every point handed out.
TEST(CardChoice, WholeDealsFollowTheRules) {
    ShuffleEngine engine(20261205);
    GameState g;
    for (int deal = 0; deal < 300; ++deal) {
        Mescola(g, engine);
        for (int i = 0; i < kCardCount; ++i)
            g.hands[i / 10 + 1][i % 10 + 1] = static_cast<Byte>(g.deck[i + 1]);
        rebuildHoldMap(g);
        esamino_accuso(g);
        g.cardPoints = {};
        g.turnSeat = g.leaderSeat = static_cast<Byte>(deal % 4 + 1);
        for (int t = 0; t < 10; ++t) {
            g.tableCards = {};
            g.trickSignals = {};
            for (int play = 0; play < 4; ++play) {
                const Byte seat = g.turnSeat;
                const Byte led = g.tableCards[g.leaderSeat];
                bool couldFollow = false;
                for (int s = 1; s <= 10 && led != 0; ++s) {
                    couldFollow |=
                        !isPlayed(g.hands[seat][s]) && Seme(g.hands[seat][s]) == Seme(led);
                }
                scelgo_carta_da_giocare(g);
                ASSERT_GE(g.cardToPlay, 1);
                ASSERT_LE(g.cardToPlay, kCardCount);
                if (couldFollow) {
                    ASSERT_EQ(Seme(g.cardToPlay), Seme(led)) << "deal " << deal;
                }
                g.tableCards[seat] = g.cardToPlay;
                if (play < 3) g.turnSeat = nextSeat(seat);
            }
            DETERMINO_TURNO(g);
            attribuisco_punteggio(g);
        }
        EXPECT_EQ(g.cardPoints[0] + g.cardPoints[1], 32);
        for (int seat = 1; seat <= 4; ++seat) {
            for (int s = 1; s <= 10; ++s) EXPECT_TRUE(isPlayed(g.hands[seat][s]));
            for (int suit = 1; suit <= 4; ++suit) {
                for (int v = 1; v <= 10; ++v) EXPECT_NE(g.holdMap[seat][suit][v], '*');
            }
        }
    }
}

}  // namespace
}  // namespace morvello
