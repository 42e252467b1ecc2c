#include <gtest/gtest.h>

#include "cards/play_signal.h"
#include "players/lead.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

struct LeadCase {
    const char *hand, *out, *led;  // seat 3's hand, cards played earlier, its lead
    Byte signal;
    Byte leadSuit;                                         // as the lead leaves it
    Byte previousLead = kDenari, owed = 0, owedAfter = 0;  // leadSuit, returnSuit before; after
};

const LeadCase kCases[] = {
    // Three top cards: the ace when the king is safe, else a knock with a small card.
    {"3C 2C AC 5C 6B", "", "5C", kBusso, kCoppe},
    {"3C 2C AC 5C 6B", "4:KC", "5C", kBusso, kCoppe},     // a king played by seat 4 is not out
    {"3C 2C AC 5C 6B", "2:KC", "AC", kNoSignal, kCoppe},  // dealt the ace: no signal
    {"3C 2C AC KC", "", "AC", kNoSignal, kCoppe},
    {"3C 2C AC HS", "", "HS", kNoSignal, kSpade},  // no rule: leadSuit left on the last suit
    // Two top cards: high once the missing one is out; with the ace, else a knock.
    {"2B 3B 4D", "2:AB", "2B", kStriscio, kBastoni},
    {"2B 3B 5B 4D", "4:AB", "4D", kNoSignal, kSpade},  // never a knock without the ace
    {"AS 2S 6S", "1:3S", "AS", kNoSignal, kSpade},
    {"AS 2S 6S", "", "6S", kBusso, kSpade},
    {"AS 3S JS", "", "JS", kBusso, kSpade},
    {"AS 3S JS", "1:2S", "AS", kNoSignal, kSpade},
    // One top card: led once the other two are out.
    {"3D 7D 5C", "1:AD", "5C", kNoSignal, kSpade},
    {"3D 7D 5C", "1:AD 2:2D", "3D", kStriscio, kDenari},
    {"AC 6B", "1:2C", "6B", kNoSignal, kSpade},
    {"AC 6B", "1:2C 3:3C", "AC", kNoSignal, kCoppe},
    {"2S 6B", "1:AS", "6B", kNoSignal, kSpade},
    {"2S 6B", "1:AS 2:3S", "2S", kVolo, kSpade},  // the last of its suit
    // Each rule is tried over all suits before the next; within a rule the lower suit.
    {"AD 4D 2S 3S", "1:2D 1:3D 2:AS", "2S", kStriscio, kSpade},
    {"2C 3C 2B 3B", "2:AC 2:AB", "2C", kStriscio, kCoppe},
    // A return owed is led back, high, only after a trick in that suit.
    {"KB 5B 2B AS 2S 3S KS", "", "AS", kNoSignal, kSpade, kCoppe, kBastoni, kBastoni},
    {"KB 5B 2B AS 2S 3S KS", "", "2B", kStriscio, kBastoni, kBastoni, kBastoni},
    {"4D KC AC", "", "4D", kNoSignal, kBastoni, kBastoni, kBastoni},  // none left in the suit
    {"AC 2C 3C KC 5D", "", "AC", kNoSignal, kCoppe, 0, 0},  // the first lead since start-up
};

TEST(Lead, CardSignalAndSuitLeft) {
    constexpr Byte T = 3;
    for (const LeadCase& c : kCases) {
        SCOPED_TRACE(std::string(c.hand) + " / " + c.out);
        GameState g;
        give(g, T, c.hand);
        playedEarlier(g, c.out);
        g.leadSuit = c.previousLead;
        g.returnSuit[T] = c.owed;
        trick(g, T, "");
        chooseLead(g);
        EXPECT_EQ(chosenCard(g), card(c.led));
        EXPECT_EQ(g.trickSignals[T], c.signal);
        EXPECT_EQ(g.leadSuit, c.leadSuit);
        EXPECT_EQ(g.returnSuit[T], c.owedAfter);
    }
}

}  // namespace
}  // namespace morvello
