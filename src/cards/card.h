// Card codes, suits, values, strength order and points of the Neapolitan deck.
//
// A card is a code 1..40: (suit - 1) * 10 + value. Suits are 1 Denari, 2 Coppe,
// 3 Bastoni, 4 Spade; values 1 ace .. 7, 8 knave, 9 horse, 10 king. A hand entry
// of code + 100 is a card already played.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace morvello {

using Byte = std::uint8_t;

inline constexpr int kPlayedMark = 100;  // added to a hand entry once its card is played
inline constexpr int kCardCount = 40;
inline constexpr int kTricksPerDeal = 10;

namespace detail {
// Value and suit of every entry a hand, the deck or the table can hold (a code
// 0..40, or a played entry up to 140), looked up rather than divided out.
constexpr Byte entryValue(int entry) {
    const int v = entry % 10;
    return static_cast<Byte>(v == 0 ? 10 : v);
}
constexpr Byte entrySuit(int entry) {
    return static_cast<Byte>(entry / 10 + 1 - (entry % 10 == 0 ? 1 : 0));
}
template <Byte (*of)(int)>
constexpr std::array<Byte, 256> tableOf() {
    std::array<Byte, 256> table{};
    for (int entry = 0; entry < 256; ++entry) table[entry] = of(entry);
    return table;
}
inline constexpr std::array<Byte, 256> kValues = tableOf<entryValue>();
inline constexpr std::array<Byte, 256> kSuits = tableOf<entrySuit>();
}  // namespace detail

// Card value 1..10; a remainder of 0 reads as 10, so valueOf(0) is 10 (a king).
constexpr Byte valueOf(int card) {
    return detail::kValues[static_cast<Byte>(card)];
}

// Suit 1..4 of a code 1..40; suitOf(0) is 0, a played entry gives its suit plus 10.
constexpr Byte suitOf(int card) {
    return detail::kSuits[static_cast<Byte>(card)];
}

constexpr Byte cardCode(int suit, int value) {
    return static_cast<Byte>((suit - 1) * 10 + value);
}

constexpr bool isPlayed(int handEntry) {
    return handEntry > kPlayedMark;
}

// The strength order as the game keeps it: the 1-based place where the value's
// decimal text first occurs in this literal. Lower is stronger; "10" lands on 4.
inline constexpr std::string_view kRankLiteral = "32110987654";

namespace detail {
constexpr std::array<Byte, 11> makeRankPositions() {
    std::array<Byte, 11> positions{};
    for (int value = 1; value <= 10; ++value) {
        const char text[3] = {value == 10 ? '1' : static_cast<char>('0' + value),
                              value == 10 ? '0' : '\0', '\0'};
        const std::string_view needle(text, value == 10 ? 2 : 1);
        positions[value] = static_cast<Byte>(kRankLiteral.find(needle) + 1);
    }
    return positions;
}
}  // namespace detail

inline constexpr std::array<Byte, 11> kRankPositions = detail::makeRankPositions();

// Rank position of a value 1..10 (3 -> 1, 2 -> 2, ace -> 3, king -> 4, ... 4 -> 11).
constexpr Byte rankPosition(int value) {
    return kRankPositions[value];
}

// Card points in thirds by value: ace 3; 2, 3, knave, horse, king 1; 4..7 nothing.
inline constexpr std::array<Byte, 11> kCardThirds = {0, 3, 1, 1, 0, 0, 0, 0, 1, 1, 1};

constexpr int cardThirds(int card) {
    return kCardThirds[valueOf(card)];
}

// Seats: 1 human (bottom), 2 right, 3 partner (top), 4 left. Play passes to n + 1.
constexpr Byte nextSeat(int seat) {
    return static_cast<Byte>(seat >= 4 ? 1 : seat + 1);
}

// Couple A (index 0) is seats 1 and 3, couple B (index 1) seats 2 and 4.
constexpr int coupleOf(int seat) {
    return seat % 2 == 1 ? 0 : 1;
}

}  // namespace morvello
