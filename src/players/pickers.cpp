#include "players/pickers.h"

#include <algorithm>
#include <array>
#include <bit>

#include "players/queries.h"

namespace morvello {

namespace {

// Held values as bits (see heldValues): the top cards, and the small cards 4 to king.
constexpr unsigned bit(int value) {
    return 1U << value;
}
constexpr unsigned kAce = bit(1), kTwo = bit(2), kThree = bit(3);
constexpr unsigned kSmallCards = bit(4) | bit(5) | bit(6) | bit(7) | bit(8) | bit(9) | bit(10);

// For each pass over the small cards, the top cards a suit must not hold.
constexpr std::array<unsigned, 8> kForbiddenTops = {
    kAce | kTwo | kThree, kAce | kThree, kAce | kTwo, kTwo | kThree, kAce, kTwo, kThree, 0};

// The first of those passes a suit's small cards qualify in, by the top cards held.
constexpr std::array<int, 16> kPassByTops = [] {
    std::array<int, 16> passes{};
    for (unsigned tops = 0; tops < 16; tops += 2) {
        while ((kForbiddenTops[passes[tops]] & tops) != 0) ++passes[tops];
    }
    return passes;
}();

// First held value in the order 4, 5, 6, 7, knave, horse, king, 2, 3, ace.
int lowestValue(unsigned held) {
    if (held & kSmallCards) return std::countr_zero(held & kSmallCards);
    if (held & kTwo) return 2;
    if (held & kThree) return 3;
    return 1;
}

// First held value in the order ace, 2, 3, king, horse, knave, 7, 6, 5, 4.
int highestValue(unsigned held) {
    if (held & kAce) return 1;
    if (held & kTwo) return 2;
    if (held & kThree) return 3;
    return std::bit_width(held) - 1;
}

constexpr int kNoSmallCard = 1000;

void choose(GameState& g, int value, Byte suit) {
    g.chosenSlot = Trovo_Carta(g, value, suit);
}

}  // namespace

// A small card of the suit qualifying in the earliest pass, the lower suit on a
// tie; then the 2s, the 3s and the aces, by suit.
void Scelgo_una_minore(GameState& g) {
    std::array<unsigned, 5> held{};
    int best = kNoSmallCard;
    for (Byte suit = 1; suit <= 4; ++suit) {
        held[suit] = heldValues(g, suit);
        const bool noSmallCard = (held[suit] & kSmallCards) == 0;
        const int order = kPassByTops[held[suit] & (kAce | kTwo | kThree)] * 8 + suit +
                          (noSmallCard ? kNoSmallCard : 0);
        best = std::min(best, order);
    }
    if (best != kNoSmallCard) {
        const Byte suit = static_cast<Byte>(best % 8);
        return choose(g, std::countr_zero(held[suit] & kSmallCards), suit);
    }
    for (const int value : {2, 3, 1}) {
        for (Byte suit = 1; suit <= 4; ++suit) {
            if (held[suit] & bit(value)) return choose(g, value, suit);
        }
    }
}

void Scelgo_la_minore(GameState& g, Byte suit) {
    g.chosenSlot = 0;
    const unsigned held = heldValues(g, suit);
    if (held != 0) choose(g, lowestValue(held), suit);
}

void Scelgo_la_Maggiore(GameState& g, Byte suit) {
    g.chosenSlot = 0;
    const unsigned held = heldValues(g, suit);
    if (held != 0) choose(g, highestValue(held), suit);
}

}  // namespace morvello
