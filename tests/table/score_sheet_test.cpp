// What this suite guards: the score sheet's texts, colours and order for a
// settled deal (which couple took the last trick, earlier deals, totals, GAME OVER).
#include "drawing/score_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "table/game_words.h"

namespace morvello {
namespace {

using Kind = DrawOp::Kind;

// A state as finishDeal leaves it after the given deal.
GameState settled(int dealNumber) {
    GameState g;
    g.playerNames = {"Ann", "Bob", "Cy", "Di"};
    g.dealNumber = dealNumber;
    g.dealScoreA.assign(dealNumber + 1, 0);
    g.dealScoreB.assign(dealNumber + 1, 0);
    g.turnSeat = 1;
    g.cardPoints = {7 * 3, 3 * 3};
    g.declPoints = {0, 3, 0, 0, 0};
    return g;
}

// The texts of the sheet in drawing order, each with its colour's name.
std::vector<std::string> texts(const std::vector<DrawOp>& ops) {
    std::vector<std::string> out;
    for (const DrawOp& op : ops) {
        if (op.kind != Kind::Text) continue;
        const char* colour = op.colour == colours::maroon ? "maroon"
                             : op.colour == colours::red  ? "red"
                             : op.colour == colours::blue ? "blue"
                                                          : "black";
        out.push_back(op.text + " @" + colour);
    }
    return out;
}

const DrawOp* findText(const std::vector<DrawOp>& ops, const std::string& text) {
    const auto it =
        std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) { return op.text == text; });
    return it == ops.end() ? nullptr : &*it;
}

// The last-trick point follows the points of the couple that took it; the deals'
// points are maroon on the first deal, and red once earlier deals stand above.
TEST(ScoreSheet, TextsOfEachDealInOrderWithTheLastTrickOfItsCouple) {
    GameState g = settled(1);
    EXPECT_EQ(texts(scoreSheetDrawing(scoreSheetOf(g, false), scoreSheetWords())),
              (std::vector<std::string>{
                  "Ann-Cy @blue", "Bob-Di @blue", "SCORES @maroon", "Points =  7 @maroon",
                  "+1 last hand @maroon", "+ 3 decl.points @maroon", "Points =  3 @maroon",
                  "+ 0 decl.points @maroon", "Total   =  0 @black", "Total   =  0 @black"}));
    g.turnSeat = 4;
    const auto coupleB = texts(scoreSheetDrawing(scoreSheetOf(g, false), scoreSheetWords()));
    EXPECT_EQ(std::count(coupleB.begin(), coupleB.end(), "+1 ult.mano @maroon"), 1);
    EXPECT_EQ(std::count(coupleB.begin(), coupleB.end(), "+1 last hand @maroon"), 0);

    g = settled(3);
    g.dealScoreA = {0, 5 * 3, 14 * 3, 0};
    g.dealScoreB = {0, 6 * 3, 0, 0};
    g.matchTotal = {7, 12};
    const auto third = texts(scoreSheetDrawing(scoreSheetOf(g, false), scoreSheetWords()));
    EXPECT_EQ(std::vector<std::string>(third.begin() + 3, third.begin() + 10),
              (std::vector<std::string>{"^ Game 1 @maroon", "Points =  5 @red", "Points =  6 @red",
                                        "^ Game 2 @maroon", "Points =  14 @red", "Points =  0 @red",
                                        "Points =  7 @red"}));
    EXPECT_EQ(third.back(), "Total   =  12 @black");
}

TEST(ScoreSheet, GameOverStandsLastBelowALongMatchsTotals) {
    GameState g = settled(14);
    for (int i = 1; i <= 13; ++i) g.dealScoreA[i] = i * 3;
    const auto ops = scoreSheetDrawing(scoreSheetOf(g, true), scoreSheetWords());
    EXPECT_EQ(ops.back().text, "GAME OVER");
    EXPECT_EQ(ops.back().colour, colours::maroon);
    EXPECT_EQ(findText(ops, "^ Game 4"), nullptr);  // only the latest deals are listed
    EXPECT_NE(findText(ops, "^ Game 5"), nullptr);
    EXPECT_NE(findText(ops, "^ Game 13"), nullptr);
    const DrawOp* total = findText(ops, "Total   =  0");
    ASSERT_NE(total, nullptr);
    EXPECT_LT(total->y1 + lineHeight(10), ops.back().y1);
}

}  // namespace
}  // namespace morvello
