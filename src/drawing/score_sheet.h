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

// The words of the sheet, in the player's language (the shell's catalogue hands
// them over): each is printed as it stands, a score after "points" and "total".
struct ScoreSheetWords {
    std::string title;              // "SCORES"
    std::string deal;               // "^ Game", before an earlier deal's number
    std::string points;             // "Points = "
    std::string lastTrickA;         // "+1 last hand"
    std::string lastTrickB;         // "+1 ult.mano"
    std::string declarationPoints;  // " decl.points", after the declarations' score
    std::string total;              // "Total   = "
    std::string gameOver;           // "GAME OVER"
};

// The sheet of a settled deal: drawn over whatever the table shows, with the
// names' font size 10 still in effect.
std::vector<DrawOp> scoreSheetDrawing(const ScoreSheet& sheet, const ScoreSheetWords& words);

}  // namespace morvello
