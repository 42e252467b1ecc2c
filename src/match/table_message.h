// A message the table shows in a box with an OK button, as data: what it says
// and its value. The shell words it.
#pragma once

#include "cards/game_state.h"

namespace morvello {

struct TableMessage {
    enum class Kind : Byte {
        RepeatDraw,      // a tie for the highest card in the dealer choice
        MustFollowSuit,  // a card refused: the player holds the suit led
    };
    Kind kind = Kind::RepeatDraw;
    Byte suit = 0;  // the suit led, for MustFollowSuit

    bool operator==(const TableMessage&) const = default;
};

}  // namespace morvello
