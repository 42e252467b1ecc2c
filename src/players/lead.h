// How a computer seat leads a trick: the card, the knock, and the holding signal
// that tells the partner whether more cards of the suit are behind the one led.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// The lead of turnSeat. Tries, in order: leading back a suit owed after answering
// a knock; three top cards of a suit; two; one; else the least valuable card.
// Sets chosenSlot and may set trickSignals[turnSeat], clear returnSuit[turnSeat]
// and move leadSuit to the suit of the rule that fired (the suits are examined in
// leadSuit itself, so when no rule fires it is left on Spade, the last examined).
void chooseLead(GameState& g);

// The holding signal of turnSeat for the suit, counted while the card chosen is
// still held: none when the seat was dealt the ace of the suit, else Volo for its
// last card of the suit, Striscio when it holds more.
void holdingSignal(GameState& g, Byte suit);

}  // namespace morvello
