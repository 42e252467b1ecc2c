// What the match controller waits for from the player. Each wait hands back a
// value; the controller alone applies it to the game. The window answers from
// clicks and menus, the headless table from its policies, at once.
#pragma once

#include "cards/card.h"
#include "task/task.h"

namespace morvello {

// What ended a wait during the dealer choice.
enum class DeckInput {
    Draw,       // the deck was clicked
    LookAgain,  // the choice must look at the state again: names confirmed, replay checked
};

// A command of the Game menu, between deals.
enum class Command { Continue, NewGame, Replay, Quit };

// The human's answer after a lead: a signal 0..3 from the list, or go on without one.
inline constexpr int kNoSignalChosen = -1;

class PlayerInput {
  public:
    virtual ~PlayerInput() = default;

    virtual Wait<DeckInput> deckInput() = 0;
    // A card of the human's hand clicked during the human's turn (the controller
    // checks that it may be played).
    virtual Wait<Byte> humanCard() = 0;
    // The human's signal after leading: 0..3, or kNoSignalChosen.
    virtual Wait<int> signalChoice() = 0;
    virtual Wait<Command> command() = 0;
};

}  // namespace morvello
