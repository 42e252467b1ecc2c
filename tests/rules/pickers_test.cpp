// What this suite guards: when a card counts as out, and the card pickers the
// strategies are written in.
#include <gtest/gtest.h>

#include <functional>

#include "players/pickers.h"
#include "players/queries.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The card the picker designates for seat 2 holding the hand; 0 for none.
Byte pick(const std::string& hand, const std::function<void(GameState&)>& picker) {
    GameState g;
    give(g, 2, hand);
    g.turnSeat = 2;
    g.chosenSlot = 1;  // a stale choice from before
    picker(g);
    return g.chosenSlot == 0 ? 0 : chosenCard(g);
}

// A card is out once seat 1, 2 or 3 has played it; seat 4's played cards never count.
TEST(Queries, ACardIsOutOnlyWhenSeatOneTwoOrThreePlayedIt) {
    GameState g;
    give(g, 2, "7D 7C 7B 7S");
    playedEarlier(g, "1:3D 2:3C 3:3B 4:3S 1:KD 2:KC 3:KB 4:KS");
    for (Byte suit = kDenari; suit <= kSpade; ++suit) {
        EXPECT_EQ(isCardOut(g, suit, 3), suit != kSpade) << int(suit);
        EXPECT_EQ(isCardOut(g, suit, 10), suit != kSpade) << int(suit);
        EXPECT_FALSE(isCardOut(g, suit, 7)) << int(suit);
    }
}

// Both suit orders try the 2 before the 3.
TEST(Pickers, LowestAndHighestOfASuit) {
    const struct {
        const char* hand;
        Byte suit;
        const char *lowest, *highest;
    } cases[] = {
        {"AB 5B", kBastoni, "5B", "AB"},
        {"3S 2S", kSpade, "2S", "2S"},
        {"KC JC", kCoppe, "JC", "KC"},
        {"AD 3D KD", kDenari, "KD", "AD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pick(c.hand, [&](GameState& g) { pickLowest(g, c.suit); }), card(c.lowest));
        EXPECT_EQ(pick(c.hand, [&](GameState& g) { pickHighest(g, c.suit); }), card(c.highest));
    }
    EXPECT_EQ(pick("KC JC", [](GameState& g) { pickLowest(g, kBastoni); }), 0);
    EXPECT_EQ(pick("KC JC", [](GameState& g) { pickHighest(g, kBastoni); }), 0);
}

TEST(Pickers, LeastValuableSparesTheSmallCardsGuardingTopCards) {
    const struct {
        const char *hand, *picked;
    } cases[] = {
        {"4D AD KS", "KS"},        // an unguarded suit's small card, however strong
        {"5D 3D 6C 2C", "6C"},     // guarding only the 2 before guarding only the 3 ...
        {"4D AD 7C 3C", "7C"},     // ... before guarding the ace
        {"4D 2D 3D HS AS", "HS"},  // the ace alone before two top cards
        {"KC 7C 4B", "7C"},        // in one pass the lower suit, then the lower value
        {"2C 3C AC AS", "2C"},     // only top cards left: the 2s, the 3s, the aces
        {"AD 3S", "3S"},          {"AS", "AS"},
    };
    for (const auto& c : cases) EXPECT_EQ(pick(c.hand, pickLeastValuable), card(c.picked));
}

}  // namespace
}  // namespace morvello
