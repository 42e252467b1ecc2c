// Point declarations found in a freshly dealt hand: four aces, twos or threes
// (4 points), three of them, "Buongioco" (3), and ace, two and three of one suit,
// "Napoletana" (3). Every combination counts, even when they share cards.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

inline constexpr int kDeclarationLineWidth = 34;

// The caption of a seat's declarations label: one 34-character line per record,
// slots 1..4 in order. Holds its text inline, so building it never allocates.
struct DeclarationCaption {
    bool declares = false;  // false when every slot is empty: the label stays hidden
    int length = 0;
    std::array<char, 4 * kDeclarationLineWidth> chars{};

    std::string_view text() const { return {chars.data(), static_cast<std::size_t>(length)}; }
    // The declarations one to a line, without the padding that fills the label.
    std::vector<std::string> lines() const;
};

// A caption's declarations one to a line, without the padding of each line.
std::vector<std::string> captionLines(std::string_view caption);

// What showDeclarations writes in the label of the seat.
DeclarationCaption declarationCaption(const GameState& g, Byte seat);

}  // namespace morvello
