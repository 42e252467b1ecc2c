// Settling a deal: card points with the fractions dropped, the point for the
// last trick, the declarations, and the running match totals.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// Adds the last trick's point to the couple of turnSeat (the winner of the tenth
// trick), drops the fractions and adds the deal to the match totals.
void settleDeal(GameState& g);

// The match is over when a couple has reached the target and the totals differ.
bool isMatchOver(const GameState& g);

// The couple with the higher total: 0 for seats 1 and 3, 1 for seats 2 and 4.
int leadingCouple(const GameState& g);

}  // namespace morvello
