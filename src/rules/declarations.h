// Point declarations found in a freshly dealt hand: four aces, twos or threes
// (4 points), three of them, "Buongioco" (3), and ace, two and three of one suit,
// "Napoletana" (3). Every combination counts, even when they share cards.
#pragma once

#include <array>

#include "cards/game_state.h"

namespace morvello {

// Record codes in declSlots[seat][slot].
inline constexpr Byte kFourOfAKind = 8;  // in slot v: all four cards of value v
inline constexpr Byte kNapoletana = 7;   // in slot s: ace, two and three of suit s
// 1..4 in slot v: Buongioco of value v, the code being the lacking suit.

// The values of each suit a hand holds, [suit] as in holdMap.
using HeldValues = std::array<SuitMask, 5>;

// The declaration records of one whole dealt hand, as recordDeclarations writes them
// in declSlots, and their points.
struct HandDeclarations {
    std::array<Byte, 5> records{};  // [slot], as in declSlots
    int points = 0;
};
HandDeclarations declarationsOf(const HeldValues& held);

// Examines the four freshly dealt hands, as holdMap marks them: fills topDealt and
// declSlots (both cleared first) and adds each seat's declaration points to
// declPoints.
void recordDeclarations(GameState& g);

// One declaration a seat shows: four of a value, a Buongioco of a value with its
// lacking suit, or a Napoletana of a suit. The shell words it.
struct Declaration {
    enum class Kind : Byte { FourOfAKind, Buongioco, Napoletana };
    Kind kind = Kind::FourOfAKind;
    Byte value = 0;  // 1 aces, 2 twos, 3 threes (four of a kind, Buongioco)
    Byte suit = 0;   // the lacking suit of a Buongioco, the suit of a Napoletana
};

// A seat's declarations in the order of its record slots 1..4. Held inline, so
// building it never allocates.
struct ShownDeclarations {
    int count = 0;
    std::array<Declaration, 4> items{};

    bool empty() const { return count == 0; }
    const Declaration* begin() const { return items.data(); }
    const Declaration* end() const { return items.data() + count; }
};

// What the seat's declarations label shows.
ShownDeclarations shownDeclarations(const GameState& g, Byte seat);

}  // namespace morvello
