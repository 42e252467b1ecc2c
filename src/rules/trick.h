// The end of a trick: who takes it, what it is worth, and whether a card would
// outrank the cards now on the table.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// Names the winner of the four cards in tableCards (by seat, led by leaderSeat):
// the strongest card of the suit led. Sets turnSeat and leaderSeat to the winner,
// copies the cards by seat to trickBySeat, and leaves tableCards ordered strongest
// first with seatOrder holding their seats. Cards of equal rank keep seat order.
void resolveTrick(GameState& g);

// Credits the trick's card points to the couple of turnSeat (the winner named by
// resolveTrick): cardPoints and the current deal's score. Returns the thirds
// credited. The last trick's extra point is not added here.
int creditTrickPoints(GameState& g);

// True unless the entry of some seat other than turnSeat in tableCards is of a
// stronger rank than the card. Suits are not looked at, and an empty place reads
// as a king; an equal rank does not make it false.
bool outranksTable(const GameState& g, Byte card);

}  // namespace morvello
