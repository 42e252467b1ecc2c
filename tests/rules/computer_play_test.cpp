// What this suite guards: the computer's card and signal when leading and when
// following (the return owed and led back), every seat alike, the pickers and the
// out-card rule they are written in, a seat with no card left, and the hint.
#include <gtest/gtest.h>

#include <functional>

#include "cards/play_signal.h"
#include "players/card_choice.h"
#include "players/follow.h"
#include "players/hint.h"
#include "players/lead.h"
#include "players/pickers.h"
#include "players/queries.h"
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

struct LeadCase {
    const char *hand, *out, *led;  // seat 3's hand, cards played earlier, its lead
    Byte signal;
    Byte leadSuit;                                         // as the lead leaves it
    Byte previousLead = kDenari, owed = 0, owedAfter = 0;  // leadSuit, returnSuit before; after
};

const LeadCase kLeadCases[] = {
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
    for (const LeadCase& c : kLeadCases) {
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

struct FollowCase {
    Byte leader;
    const char *onTable, *hand, *played;  // the trick so far from the leader; the next seat
    Byte signal;
    Byte knockBefore = kNoSignal, knockAfter = kNoSignal;  // the leader's signal
    Byte owed = 0;                                         // returnSuit of the follower
};

const FollowCase kFollowCases[] = {
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
    for (const FollowCase& c : kFollowCases) {
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
TEST(Pickers, LowestHighestAndLeastValuable) {
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

    // The least valuable card spares the small cards guarding top cards.
    const struct {
        const char *hand, *picked;
    } discards[] = {
        {"4D AD KS", "KS"},        // an unguarded suit's small card, however strong
        {"5D 3D 6C 2C", "6C"},     // guarding only the 2 before guarding only the 3 ...
        {"4D AD 7C 3C", "7C"},     // ... before guarding the ace
        {"4D 2D 3D HS AS", "HS"},  // the ace alone before two top cards
        {"KC 7C 4B", "7C"},        // in one pass the lower suit, then the lower value
        {"2C 3C AC AS", "2C"},     // only top cards left: the 2s, the 3s, the aces
        {"AD 3S", "3S"},          {"AS", "AS"},
    };
    for (const auto& c : discards) EXPECT_EQ(pick(c.hand, pickLeastValuable), card(c.picked));
}

}  // namespace
}  // namespace morvello
