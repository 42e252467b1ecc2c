#include "expert/seat_knowledge.h"

#include <bit>

#include "cards/play_signal.h"
#include "rules/declarations.h"

namespace morvello {
namespace {

// A seat has announced its declarations once it has played its second card.
inline constexpr int kCardsBeforeAnnouncing = 2;

CardSet valueCards(int value) {
    CardSet set = 0;
    for (int suit = 1; suit <= 4; ++suit) set |= cardBit(cardCode(suit, value));
    return set;
}

// The cards a declaration record shows, and those it shows were not dealt.
void readDeclaration(SeatKnowledge& k, Byte seat, int slot, Byte code) {
    if (code == kFourOfAKind) {
        k.known[seat] |= valueCards(slot);
    } else if (code >= 1 && code <= 4) {
        k.known[seat] |= valueCards(slot) & ~cardBit(cardCode(code, slot));
        k.notDealt[seat] |= cardBit(cardCode(code, slot));
    } else if (code == kNapoletana) {
        for (int value = 1; value <= 3; ++value) k.known[seat] |= cardBit(cardCode(slot, value));
    }
}

// Hides the unplayed cards of a seat that is not the one who knows.
void hideHand(GameState& g, Byte seat) {
    for (int slot = 1; slot <= 10; ++slot) {
        if (!isPlayed(g.hands[seat][slot])) g.hands[seat][slot] = 0;
    }
    g.holdMap[seat] = {};
    g.declSlots[seat] = {};
    g.topDealt[seat] = {};
    g.declPoints[seat] = 0;
    g.returnSuit[seat] = 0;
    // A knock is shown to all; a follower's other signals may not have been.
    if (g.trickSignals[seat] != kBusso) g.trickSignals[seat] = kNoSignal;
}

}  // namespace

SeatKnowledge knowledgeOf(const GameState& g, Byte seat) {
    SeatKnowledge k;
    k.seat = seat;
    k.seen = g;
    k.seen.playerNames = {};
    k.seen.deck = {};          // the dealing order would tell every hand
    k.seen.suitTopCount = {};  // the last leader's count of its own top cards
    k.seen.chosenSlot = 0;
    k.seen.dealNumber = 1;  // the playouts keep their score in the first column
    k.seen.dealScoreA.assign(2, 0);
    k.seen.dealScoreB.assign(2, 0);
    for (Byte s = 1; s <= 4; ++s) {
        k.lackedSuits[s] = static_cast<Byte>(g.lackedSuits[s] | g.voloSuits[s]);
        k.heldSuits[s] = g.striscioSuits[s];
    }
    CardSet played = 0;
    for (Byte s = 1; s <= 4; ++s) played |= g.playedCards[s];
    CardSet own = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        const Byte entry = g.hands[seat][slot];
        if (entry >= 1 && entry <= kCardCount) own |= cardBit(entry);
    }
    k.known[seat] = own;
    k.handSize[seat] = static_cast<Byte>(std::popcount(own));
    CardSet all = 0;
    for (int card = 1; card <= kCardCount; ++card) all |= cardBit(card);
    k.hidden = all & ~played & ~own;
    for (Byte s = 1; s <= 4; ++s) {
        if (s == seat) continue;
        const int playedBySeat = std::popcount(g.playedCards[s]);
        k.handSize[s] = static_cast<Byte>(kTricksPerDeal - playedBySeat);
        if (playedBySeat >= kCardsBeforeAnnouncing) {
            k.announced[s] = true;
            k.shownSlots[s] = g.declSlots[s];
            for (int slot = 1; slot <= 4; ++slot) readDeclaration(k, s, slot, g.declSlots[s][slot]);
        }
        k.known[s] &= ~played;
        hideHand(k.seen, s);
    }
    return k;
}

}  // namespace morvello
