#include "players/hint.h"

#include "players/card_choice.h"

namespace morvello {

Byte hintCard(const SeatView& view) {
    GameState seen = stateSeenBy(view);
    seen.turnSeat = view.seat;
    chooseComputerCard(seen);
    return seen.cardToPlay;
}

}  // namespace morvello
