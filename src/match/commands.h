// The commands of the Game menu that the match loop waits for between deals.
#pragma once

#include <string>

#include "cards/game_state.h"
#include "match/table.h"

namespace morvello {

inline const std::string kNoHandMessage = "No hand so far played";
inline const std::string kReplayMessage =
    "The final score will report the points of repeated hand\n"
    "These will take the place of the previous one";

// "Continue": the next deal follows; the deck is shown again.
void continue_Click(GameState& g, Table& table);

// "New Game": a new match starts with a new dealer choice.
void menu_NewGame_Click(GameState& g);

// "Repeat the last hand": what the player is told first. Refused shows
// kNoHandMessage and changes nothing; Confirm shows kReplayMessage and then
// checks the item (confirmReplay); Nothing happens on the first deal of a match.
enum class ReplayAnswer { Refused, Confirm, Nothing };
ReplayAnswer menu_replay_Click(const GameState& g);
void confirmReplay(GameState& g);

}  // namespace morvello
