// What a computer seat knows of the cards: its own hand through holdMap, and the
// cards already played that it has seen go.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// The values of the suit turnSeat holds, as bits 1..10 (bit v for value v).
inline unsigned heldValues(const GameState& g, Byte suit) {
    return g.holdMap[g.turnSeat][suit];
}

// How many cards of the suit turnSeat holds.
inline Byte countHeld(const GameState& g, Byte suit) {
    return kValuesHeld[heldValues(g, suit)];
}

// 1 when turnSeat holds the card of that suit and value, else 0.
inline Byte holdsCard(const GameState& g, Byte suit, int value) {
    return (heldValues(g, suit) & valueBit(value)) != 0 ? 1 : 0;
}

// True when seat 1, 2 or 3 has played the card in this deal. A card played by
// seat 4 never counts as out.
inline bool isCardOut(const GameState& g, Byte suit, int value) {
    const CardSet seen = g.playedCards[1] | g.playedCards[2] | g.playedCards[3];
    return (seen & cardBit(cardCode(suit, value))) != 0;
}

}  // namespace morvello
