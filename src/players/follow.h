// How a computer seat follows a trick: answering its partner's knock, second
// hand high or low, third and fourth hand low unless an ace calls for the top.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// The card turnSeat plays to a trick it did not lead. Sets chosenSlot and
// leadSuit (the suit led, or the partner's knocked suit), and may set
// trickSignals[turnSeat], consume the partner's knock and owe a return lead in
// returnSuit[turnSeat]. cardToPlay must hold the card played last in the trick.
void chooseFollow(GameState& g);

}  // namespace morvello
