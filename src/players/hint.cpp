#include "players/hint.h"

#include "players/card_choice.h"

namespace morvello {

Byte hintCard(const GameState& g) {
    GameState copy = g;
    copy.turnSeat = 1;
    chooseComputerCard(copy);
    return copy.cardToPlay;
}

}  // namespace morvello
