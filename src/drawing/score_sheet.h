// The score sheet drawn on the table after every deal: the couples' names, the
// earlier deals of the match, the deal just settled, the totals and, at the end
// of a match, "GAME OVER".
#pragma once

#include <string>
#include <vector>

#include "cards/game_state.h"
#include "drawing/drawing.h"

namespace morvello {

// A number as the sheet prints it: a sign position (a space) before the digits.
std::string formatScore(int value);

// How many earlier deals the sheet lists at most; a longer match lists its latest.
inline constexpr int kSheetHistoryRows = 9;

// The sheet for the deal just settled (finishDeal has run): drawn over whatever
// the table shows, with the names' font size 10 still in effect.
std::vector<DrawOp> scoreSheetDrawing(const GameState& g, bool gameOver);

}  // namespace morvello
