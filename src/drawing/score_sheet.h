// The score sheet drawn on the table after every deal: the couples' names, the
// earlier deals of the match, the deal just settled, the totals and, at the end
// of a match, "GAME OVER".
#pragma once

#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "rules/settlement.h"

namespace morvello {

// A number as the sheet prints it: a sign position (a space) before the digits.
std::string formatScore(int value);

// The sheet of a settled deal: drawn over whatever the table shows, with the
// names' font size 10 still in effect.
std::vector<DrawOp> scoreSheetDrawing(const ScoreSheet& sheet);

}  // namespace morvello
