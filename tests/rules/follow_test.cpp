#include <gtest/gtest.h>

#include "cards/play_signal.h"
#include "players/follow.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

struct FollowCase {
    Byte leader;
    const char *onTable, *hand, *played;  // the trick so far from the leader; the next seat
    Byte signal;
    Byte knockBefore = kNoSignal, knockAfter = kNoSignal;  // the leader's signal
    Byte owed = 0;                                         // returnSuit of the follower
};

const FollowCase kCases[] = {
    // The partner answers a knock once: its highest with two or more cards of the
    // suit, owing it back; its only card with one; a discard with none.
    {1, "5C 7C", "KC 2C 4C 6D", "2C", kStriscio, kBusso, kNoSignal, kCoppe},
    {1, "5C 7C", "6C 4D", "6C", kVolo, kBusso},
    {1, "5C 7C", "AC 4D", "AC", kNoSignal, kBusso},  // dealt the ace
    {1, "5C 7C", "KS 4D 3D", "KS", kNoSignal, kBusso},
    {1, "5C", "KC 2C 4C", "4C", kStriscio, kBusso, kBusso},  // a knock by the other couple
    // Second hand: high over a led 3, 2, ace or king, signalling even when dealt the ace.
    {1, "KD", "5D AD 7D", "AD", kStriscio},
    {3, "3S", "4S", "4S", kVolo},
    {1, "HD", "5D AD 7D", "5D", kNoSignal},  // low: dealt the ace, so no signal
    {2, "HB", "5B KB", "5B", kStriscio},
    // Third and fourth hand low, unless an ace on the table calls for the 2 or 3.
    {1, "KD 3D", "2D 6D", "6D", kStriscio},  // though its 2 would win
    {1, "AB 4B", "3B 2B 5B", "2B", kNoSignal},
    {1, "5S AD 6S", "3S 4S 7S", "3S", kNoSignal},  // the partner discarded an ace
    {1, "5S 7D 6S", "2S 4S 7S", "4S", kStriscio},
    {1, "5S KS 6S", "AS 6D", "AS", kNoSignal},  // only the ace, dealt
    {2, "KC", "AD 5D HS", "HS", kNoSignal},     // void: a discard without signal
};

TEST(Follow, CardSignalsAndReturnOwed) {
    for (const FollowCase& c : kCases) {
        SCOPED_TRACE(std::string(c.onTable) + " / " + c.hand);
        GameState g;
        g.trickSignals[c.leader] = c.knockBefore;
        trick(g, c.leader, c.onTable);
        give(g, g.turnSeat, c.hand);
        chooseFollow(g);
        EXPECT_EQ(chosenCard(g), card(c.played));
        EXPECT_EQ(g.trickSignals[g.turnSeat], c.signal);
        EXPECT_EQ(g.trickSignals[c.leader], c.knockAfter);
        EXPECT_EQ(g.returnSuit[g.turnSeat], c.owed);
        EXPECT_EQ(g.leadSuit, suitOf(g.tableCards[c.leader]));
    }
}

}  // namespace
}  // namespace morvello
