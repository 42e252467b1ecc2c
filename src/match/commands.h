// The commands of the Game menu that the match loop waits for between deals.
#pragma once

#include <string>

#include "cards/game_state.h"
#include "match/player_input.h"
#include "match/procedures.h"

namespace morvello {

inline const std::string kNoHandMessage = "No hand so far played";
inline const std::string kReplayMessage =
    "The final score will report the points of repeated hand\n"
    "These will take the place of the previous one";

// "Repeat the last hand": what the player is told first. Refused shows
// kNoHandMessage and changes nothing; Confirm shows kReplayMessage and then
// gives Command::Replay; Nothing happens on the first deal of a match.
enum class ReplayAnswer { Refused, Confirm, Nothing };
ReplayAnswer replayAnswer(const GameState& g);

// Applies a command given while the match loop waits between deals: Continue
// (the deck is shown again), New Game, Repeat the last hand (its check mark is
// the request) or Quit. A command whose menu item is disabled does nothing.
void applyCommand(GameState& g, MatchIo& io, Command command);

}  // namespace morvello
