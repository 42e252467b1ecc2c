// What a computer seat knows of the cards: its own hand through holdMap, and the
// cards already played that it has seen go.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// The values of the suit turnSeat holds, as bits 1..10 (bit v for value v).
inline unsigned heldValues(const GameState& g, Byte suit) {
    const HoldRow& row = g.holdMap[g.turnSeat][suit];
    unsigned values = 0;
    for (int value = 1; value <= 10; ++value)
        values |= static_cast<unsigned>(row[value] == '*') << value;
    return values;
}

// How many cards of the suit turnSeat holds: the '*' marks of its holdMap row.
inline Byte Quante(const GameState& g, Byte suit) {
    const HoldRow& row = g.holdMap[g.turnSeat][suit];
    int count = 0;
    for (int value = 1; value <= 10; ++value) count += row[value] == '*' ? 1 : 0;
    return static_cast<Byte>(count);
}

// 1 when turnSeat holds the card of that suit and value, else 0.
inline Byte Cè(const GameState& g, Byte suit, int value) {
    return g.holdMap[g.turnSeat][suit][value] == '*' ? 1 : 0;
}

// True when seat 1, 2 or 3 has played the card in this deal. A card played by
// seat 4 never counts as out.
bool Carta_Uscita(const GameState& g, Byte value, int suit);

}  // namespace morvello
