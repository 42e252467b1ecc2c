// The order of a hand: by suit (Denari, Coppe, Bastoni, Spade), within a suit
// strongest first (3, 2, ace, king, horse, knave, 7, 6, 5, 4), played cards last.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// Sorts slots 1..10 of the seat's hand into that order.
void sortHand(GameState& g, Byte seat);

}  // namespace morvello
