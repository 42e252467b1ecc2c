// What a computer seat knows of the cards: its own hand through holdMap, and the
// cards already played that it has seen go. These run several times in every
// card choice, so they are kept free of branches.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "cards/game_state.h"

namespace morvello {

namespace detail {
// 0x80 in each byte of the word that is '*', 0 in the others.
constexpr std::uint64_t starBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ 0x2A2A2A2A2A2A2A2AULL;  // a '*' byte becomes 0
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}
}  // namespace detail

// The values of the suit turnSeat holds, as bits 1..10 (bit v for value v).
// Values 1..8 are read as one word, their marks gathered by a multiply.
inline unsigned heldValues(const GameState& g, Byte suit) {
    const HoldRow& row = g.holdMap[g.turnSeat][suit];
    unsigned values =
        static_cast<unsigned>(row[9] == '*') << 9 | static_cast<unsigned>(row[10] == '*') << 10;
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t first8 = 0;
        std::memcpy(&first8, &row[1], sizeof first8);
        values |=
            static_cast<unsigned>(((detail::starBytes(first8) >> 7) * 0x0102040810204080ULL) >> 56)
            << 1;
    } else {
        for (int value = 1; value <= 8; ++value)
            values |= static_cast<unsigned>(row[value] == '*') << value;
    }
    return values;
}

// How many cards of the suit turnSeat holds: the '*' marks of its holdMap row.
inline Byte Quante(const GameState& g, Byte suit) {
    return static_cast<Byte>(std::popcount(heldValues(g, suit)));
}

// 1 when turnSeat holds the card of that suit and value, else 0.
inline Byte Cè(const GameState& g, Byte suit, int value) {
    return g.holdMap[g.turnSeat][suit][value] == '*' ? 1 : 0;
}

// True when seat 1, 2 or 3 has played the card in this deal. A card played by
// seat 4 never counts as out.
bool Carta_Uscita(const GameState& g, Byte value, int suit);

}  // namespace morvello
