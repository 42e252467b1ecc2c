// The commands of the Game menu that the match loop waits for between deals.
#pragma once

#include <string>

#include "cards/game_state.h"
#include "match/player_input.h"
#include "match/procedures.h"

namespace morvello {

// "Repeat the last hand": what the player is told first. Refused says no deal
// has been played and changes nothing; Confirm says the new score replaces the
// old one and then gives Command::Replay; Nothing happens on the first deal of a match.
enum class ReplayAnswer { Refused, Confirm, Nothing };
ReplayAnswer replayAnswer(const GameState& g);

// Applies a command given while the match loop waits between deals: Continue
// (the deck is shown again), New Game, Repeat the last hand (its check mark is
// the request) or Quit. A command whose menu item is disabled does nothing.
void applyCommand(GameState& g, MatchIo& io, Command command);

}  // namespace morvello
