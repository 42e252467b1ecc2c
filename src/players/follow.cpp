#include "players/follow.h"

#include "cards/play_signal.h"
#include "players/lead.h"
#include "players/pickers.h"
#include "players/queries.h"
#include "rules/trick.h"

namespace morvello {

namespace {

constexpr unsigned kTwoOrThree = valueBit(2) | valueBit(3);

// An ace on the table: the leader's, or any ace the partner played.
bool aceOnTable(const GameState& g) {
    return valueOf(g.tableCards[g.leaderSeat]) == 1 ||
           valueOf(g.tableCards[g.partnerOf[g.turnSeat]]) == 1;
}

// The follower's card of the suit led, from the values it holds. High: its
// highest, signalling whether more are behind it (given even by a seat dealt the
// ace). Low: its lowest with the holding signal; but with an ace on the table a
// held 2 or 3 goes on top of it, unsignalled.
void followSuit(GameState& g, unsigned held, bool high) {
    const bool topOnAce = !high && aceOnTable(g) && (held & kTwoOrThree) != 0;
    const Byte value = high || topOnAce ? highestHeld(held) : lowestHeld(held);
    g.chosenSlot = findSlot(g, g.leadSuit, value);
    if (high) {
        g.trickSignals[g.turnSeat] = kValuesHeld[held] == 1 ? kVolo : kStriscio;
    } else if (!topOnAce) {
        holdingSignal(g, g.leadSuit);
    }
}

}  // namespace

// The partner knocked: its highest with two or more of the suit (and the suit is
// owed back), its only card with one, a discard with none; the knock is answered
// once. Else: a discard with none of the suit led; second hand high over a led 3,
// 2, ace or king; otherwise low.
void chooseFollow(GameState& g) {
    const Byte t = g.turnSeat, partner = g.partnerOf[t];
    const bool knocked = g.trickSignals[partner] == kBusso;
    g.leadSuit = suitOf(g.tableCards[knocked ? partner : g.leaderSeat]);
    if (knocked) g.trickSignals[partner] = kNoSignal;
    const unsigned held = heldValues(g, g.leadSuit);
    if (held == 0) return pickLeastValuable(g);
    const bool more = kValuesHeld[held] > 1;
    if (knocked && more) g.returnSuit[t] = g.leadSuit;
    const bool secondHandHigh = g.tableCards[partner] == 0 && outranksTable(g, g.cardToPlay);
    followSuit(g, held, knocked ? more : secondHandHigh);
}

}  // namespace morvello
