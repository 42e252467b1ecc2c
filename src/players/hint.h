// A hint for a person: the card the computer players' strategy would play in
// the seat, worked out on what the seat sees, so the game itself is untouched.
#pragma once

#include "rules/seat_view.h"

namespace morvello {

// The card the strategy picks for the seat now; 0 when it holds no card.
Byte hintCard(const SeatView& view);

}  // namespace morvello
