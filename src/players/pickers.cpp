#include "players/pickers.h"

#include <array>

#include "players/queries.h"

namespace morvello {

namespace {

inline constexpr std::array<Byte, 10> kLowOrder = {4, 5, 6, 7, 8, 9, 10, 2, 3, 1};
inline constexpr std::array<Byte, 10> kHighOrder = {1, 2, 3, 10, 9, 8, 7, 6, 5, 4};

// The top cards of a suit as bits: ace 1, two 2, three 4.
constexpr int kAce = 1, kTwo = 2, kThree = 4;

// For each pass of the small cards, the top cards a suit must not guard.
inline constexpr std::array<int, 8> kForbiddenGuards = {
    kAce | kTwo | kThree, kAce | kThree, kAce | kTwo, kTwo | kThree, kAce, kTwo, kThree, 0};

struct SuitLow {
    int guards = 0;     // top cards held in the suit
    Byte smallest = 0;  // lowest of 4..king held, 0 when none
};

SuitLow lookAtSuit(const GameState& g, Byte suit) {
    SuitLow s;
    s.guards =
        (Cè(g, suit, 1) ? kAce : 0) | (Cè(g, suit, 2) ? kTwo : 0) | (Cè(g, suit, 3) ? kThree : 0);
    for (Byte value = 4; value <= 10 && s.smallest == 0; ++value) {
        if (Cè(g, suit, value)) s.smallest = value;
    }
    return s;
}

void pickInOrder(GameState& g, Byte suit, const std::array<Byte, 10>& order) {
    g.chosenSlot = 0;
    if (Quante(g, suit) == 0) return;
    for (const Byte value : order) {
        if (Cè(g, suit, value)) {
            g.chosenSlot = Trovo_Carta(g, value, suit);
            return;
        }
    }
}

}  // namespace

void Scelgo_una_minore(GameState& g) {
    std::array<SuitLow, 5> suits{};
    for (Byte suit = 1; suit <= 4; ++suit) suits[suit] = lookAtSuit(g, suit);
    for (const int forbidden : kForbiddenGuards) {
        for (Byte suit = 1; suit <= 4; ++suit) {
            if (suits[suit].smallest != 0 && (suits[suit].guards & forbidden) == 0) {
                g.chosenSlot = Trovo_Carta(g, suits[suit].smallest, suit);
                return;
            }
        }
    }
    for (const int value : {2, 3, 1}) {
        for (Byte suit = 1; suit <= 4; ++suit) {
            if (Cè(g, suit, value)) {
                g.chosenSlot = Trovo_Carta(g, value, suit);
                return;
            }
        }
    }
}

void Scelgo_la_minore(GameState& g, Byte suit) {
    pickInOrder(g, suit, kLowOrder);
}

void Scelgo_la_Maggiore(GameState& g, Byte suit) {
    pickInOrder(g, suit, kHighOrder);
}

}  // namespace morvello
