// What this suite guards: the computer's card choice at every seat alike (knock
// and answer), a seat with no card left, and the hint worked out on a copy.
#include <gtest/gtest.h>

#include "cards/play_signal.h"
#include "players/card_choice.h"
#include "players/hint.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// Partners and opponents are told apart only by partnerOf: every seat knocks on
// its lead, and its partner answers the knock.
TEST(CardChoice, EverySeatKnocksAndAnswersAlike) {
    for (const Byte seat : {1, 2, 3, 4}) {
        SCOPED_TRACE(int(seat));
        GameState g;
        give(g, seat, "3C 2C AC 5C 6B");
        trick(g, seat, "");
        chooseComputerCard(g);
        EXPECT_EQ(g.cardToPlay, card("5C"));
        EXPECT_EQ(g.trickSignals[seat], kBusso);
        EXPECT_EQ(g.hands[seat][4], card("5C") + kPlayedMark);
        EXPECT_EQ(g.holdMap[seat][kCoppe], valueBit(2) | valueBit(1) | valueBit(3));

        trick(g, seat, "5C 7C");
        give(g, g.turnSeat, "4C 2C KC 3D");
        chooseComputerCard(g);
        EXPECT_EQ(g.cardToPlay, card("2C"));
        EXPECT_EQ(g.trickSignals[g.turnSeat], kStriscio);
        EXPECT_EQ(g.trickSignals[seat], kNoSignal);
        EXPECT_EQ(g.returnSuit[g.turnSeat], kCoppe);
    }
}

TEST(CardChoice, ASeatWithNoCardLeftChoosesNone) {
    GameState g;
    give(g, 2, "KC");
    trick(g, 2, "");
    chooseComputerCard(g);
    ASSERT_EQ(g.cardToPlay, card("KC"));
    const auto hands = g.hands;
    chooseComputerCard(g);
    EXPECT_EQ(g.cardToPlay, 0);
    EXPECT_EQ(g.hands, hands);
}

// The person follows Coppe holding a single Coppe: the hint, worked out on what
// the seat sees, can only be that card.
TEST(Hint, TheStrategysCardForTheSeat) {
    GameState g;
    const std::vector<Byte> hand = cards("4D 5C AS 2S 3S 4S 6D 7D 5D 6S");
    for (int slot = 1; slot <= 10; ++slot)
        placeInHand(g, 1, slot, hand[static_cast<std::size_t>(slot - 1)]);
    g.leaderSeat = 4;
    g.turnSeat = 1;
    g.cardsPlayed = 2;
    g.tableCards[4] = card("KC");
    g.playedCards[4] = cardBit(card("KC"));
    EXPECT_EQ(hintCard(seatView(g, 1)), card("5C"));
}

}  // namespace
}  // namespace morvello
