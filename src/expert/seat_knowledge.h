// What one seat may know of a deal: its own hand, the cards played, the suits
// each seat has shown it lacks or holds (by not following, and by the computer
// seats' shown signals), and the declarations announced in the second trick. It is built from the
// seat's view once, and it is all the Expert's sampling and playing out ever read: no hidden card
// gets past it.
#pragma once

#include <array>

#include "cards/game_state.h"
#include "rules/seat_view.h"

namespace morvello {

struct SeatKnowledge {
    Byte seat = 0;
    // The state with every other seat's unplayed cards taken out of its hand
    // (their slots hold 0) and the names cleared: what the seat sees of the table.
    GameState seen;
    std::array<Byte, 5> handSize{};     // cards each seat still holds
    std::array<CardSet, 5> known{};     // unplayed cards known to be in a seat's hand
    std::array<CardSet, 5> notDealt{};  // cards a seat is known not to have been dealt
    std::array<Byte, 5> lackedSuits{};  // bit s: the seat holds no card of suit s
    std::array<Byte, 5> heldSuits{};    // bit s: the seat holds a card of suit s
    // The declaration records a seat showed in the second trick, when it has:
    // the slots its whole dealt hand gives, none when it showed no label.
    std::array<bool, 5> announced{};
    std::array<std::array<Byte, 5>, 5> shownSlots{};
    CardSet hidden = 0;  // the cards the seat cannot see
};

// What the seat knows, worked out from what it sees.
SeatKnowledge knowledgeOf(const SeatView& view);

}  // namespace morvello
