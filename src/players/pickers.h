// The card pickers the strategies are written in. Each one designates a card of
// turnSeat by setting chosenSlot; none of them plays it.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// turnSeat's least valuable card across all suits: first a small card (4 to
// king) of a suit guarding no top card, then of suits guarding more of them, then
// the 2s, the 3s and last the aces. Leaves chosenSlot alone when the hand is empty.
void pickLeastValuable(GameState& g);

// The lowest card of the suit in the order 4, 5, 6, 7, knave, horse, king, 2, 3,
// ace; chosenSlot 0 when turnSeat holds none of the suit.
void pickLowest(GameState& g, Byte suit);

// The highest card of the suit in the order ace, 2, 3, king, horse, knave, 7, 6,
// 5, 4; chosenSlot 0 when turnSeat holds none of the suit.
void pickHighest(GameState& g, Byte suit);

// The value pickLowest takes from a suit's held values (bit v for value
// v): the first held in its order; 0 when none is held.
Byte lowestHeld(unsigned held);

// The value pickHighest takes from a suit's held values; 0 for none.
Byte highestHeld(unsigned held);

}  // namespace morvello
