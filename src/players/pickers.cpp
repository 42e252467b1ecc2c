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
constexpr unsigned kHeldSets = 1U << 11;

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

// For every set of held values (bits 1..10), the first held in the order given;
// 0 for none. Read from a table, the choice costs no branch on the cards.
constexpr std::array<Byte, kHeldSets> firstHeldIn(const std::array<int, 10>& order) {
    std::array<Byte, kHeldSets> first{};
    for (unsigned held = 0; held < kHeldSets; ++held) {
        for (const int value : order) {
            if ((held & bit(value)) != 0) {
                first[held] = static_cast<Byte>(value);
                break;
            }
        }
    }
    return first;
}
constexpr std::array<Byte, kHeldSets> kLowestHeld = firstHeldIn({4, 5, 6, 7, 8, 9, 10, 2, 3, 1});
constexpr std::array<Byte, kHeldSets> kHighestHeld = firstHeldIn({1, 2, 3, 10, 9, 8, 7, 6, 5, 4});

constexpr int kNoSmallCard = 1000;

void choose(GameState& g, int value, Byte suit) {
    g.chosenSlot = findSlot(g, suit, value);
}

}  // namespace

// A small card of the suit qualifying in the earliest pass, the lower suit on a
// tie; then the 2s, the 3s and the aces, by suit.
void pickLeastValuable(GameState& g) {
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

Byte lowestHeld(unsigned held) {
    return kLowestHeld[held];
}

Byte highestHeld(unsigned held) {
    return kHighestHeld[held];
}

void pickLowest(GameState& g, Byte suit) {
    g.chosenSlot = 0;
    const unsigned held = heldValues(g, suit);
    if (held != 0) choose(g, lowestHeld(held), suit);
}

void pickHighest(GameState& g, Byte suit) {
    g.chosenSlot = 0;
    const unsigned held = heldValues(g, suit);
    if (held != 0) choose(g, highestHeld(held), suit);
}

}  // namespace morvello
