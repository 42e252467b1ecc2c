// Where things lie on the 800 x 600 table, seat by seat (top-left corners).
#pragma once

#include "cards/game_state.h"
#include "match/table.h"

namespace morvello {

// The deck image at the table centre.
inline Point deckPosition(const GameState& g) {
    return {g.centerX - g.cardWidth / 2, g.centerY - g.cardHeight / 2};
}

// Slot 1..10 of the human's fan along the bottom edge.
inline Point humanSlot(const GameState& g, int slot) {
    return {g.centerX - 2.8 * g.cardWidth + (slot - 1) * g.cardWidth / 2,
            2 * g.centerY - g.cardHeight - 20};
}

// Slot 1..10 of a computer hand's painted backs (seats 2, 3, 4).
inline Point backSlot(const GameState& g, int seat, int slot) {
    const double along = (slot - 1) * g.cardWidth / 2;
    switch (seat) {
        case 2:
            return {2 * g.centerX - g.cardHeight - 5, g.centerY - 2.6 * g.cardWidth + along};
        case 3:
            return {g.centerX - 2.8 * g.cardWidth + along, 25};
        default:
            return {5, g.centerY - 2.6 * g.cardWidth + along};
    }
}

// Where a played card is first shown, beside its player.
inline Point startPosition(const GameState& g, int seat) {
    const double w = g.cardWidth, h = g.cardHeight;
    switch (seat) {
        case 1:
            return {g.centerX + 2 * w, humanSlot(g, 1).y - h - 3};
        case 2:
            return {g.centerX + 1.8 * w, g.centerY - h / 2};
        case 3:
            return {g.centerX - 3 * w, h + 28};
        default:
            return {g.centerX - 2.8 * w, g.centerY - h / 2};
    }
}

// Where a played card lies in the 2 x 2 block around the centre.
inline Point tablePosition(const GameState& g, int seat) {
    const double w = g.cardWidth, h = g.cardHeight;
    switch (seat) {
        case 1:
            return {g.centerX + 3, g.centerY + 3};
        case 2:
            return {g.centerX + 3, g.centerY - h - 3};
        case 3:
            return {g.centerX - w - 3, g.centerY - h - 3};
        default:
            return {g.centerX - w - 3, g.centerY + 3};
    }
}

// Where the card a seat draws in the dealer choice is laid face up.
inline Point drawPosition(const GameState& g, int seat) {
    const double w = g.cardWidth, h = g.cardHeight;
    switch (seat) {
        case 1:
            return {g.centerX - w / 2, 2 * g.centerY - 1.2 * h};
        case 2:
            return {2 * g.centerX - w - 10, g.centerY - h / 2};
        case 3:
            return {g.centerX - w / 2, 0.2 * h};
        default:
            return {15, g.centerY - h / 2};
    }
}

}  // namespace morvello
