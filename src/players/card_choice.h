// The one way a computer seat chooses and gives up its card.
#pragma once

#include "cards/game_state.h"

namespace morvello {

// turnSeat chooses its card: the lead strategy when it leads the trick, the
// follow strategy otherwise. On return cardToPlay and chosenSlot name the card,
// already marked played in hands (+100) and blanked in holdMap; the caller puts
// it in tableCards[turnSeat]. If the seat has no card left, cardToPlay is 0 and
// nothing is marked.
void chooseComputerCard(GameState& g);

}  // namespace morvello
