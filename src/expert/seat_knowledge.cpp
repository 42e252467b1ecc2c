#include "expert/seat_knowledge.h"

#include <bit>

#include "cards/play_signal.h"
#include "rules/declarations.h"

namespace morvello {
namespace {

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

}  // namespace

SeatKnowledge knowledgeOf(const SeatView& view) {
    SeatKnowledge k;
    const Byte seat = view.seat;
    k.seat = seat;
    k.seen = stateSeenBy(view);
    for (Byte s = 1; s <= 4; ++s) {
        k.lackedSuits[s] = static_cast<Byte>(view.lackedSuits[s] | view.voloSuits[s]);
        k.heldSuits[s] = view.striscioSuits[s];
    }
    CardSet played = 0;
    for (Byte s = 1; s <= 4; ++s) played |= view.playedCards[s];
    CardSet own = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        const Byte entry = view.hand[slot];
        if (entry >= 1 && entry <= kCardCount) own |= cardBit(entry);
    }
    k.known[seat] = own;
    k.handSize[seat] = static_cast<Byte>(std::popcount(own));
    CardSet all = 0;
    for (int card = 1; card <= kCardCount; ++card) all |= cardBit(card);
    k.hidden = all & ~played & ~own;
    for (Byte s = 1; s <= 4; ++s) {
        if (s == seat) continue;
        k.handSize[s] = static_cast<Byte>(kTricksPerDeal - std::popcount(view.playedCards[s]));
        if (view.announced[s]) {
            k.announced[s] = true;
            k.shownSlots[s] = view.shownSlots[s];
            for (int slot = 1; slot <= 4; ++slot)
                readDeclaration(k, s, slot, view.shownSlots[s][slot]);
        }
        k.known[s] &= ~played;
    }
    return k;
}

}  // namespace morvello
