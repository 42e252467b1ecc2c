// A hint for the human: the card the computer players' strategy would play in
// seat 1, worked out on a copy of the state, so the game itself is untouched.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// The card the strategy picks for seat 1 now; 0 when seat 1 holds no card.
Byte hintCard(const GameState& g);

}  // namespace morvello
