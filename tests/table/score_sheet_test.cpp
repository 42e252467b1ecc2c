// The score sheet's drawing operations, built from a settled deal.
#include "drawing/score_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace morvello {
namespace {

using Kind = DrawOp::Kind;

constexpr double kFirstLine = 78;  // the first text line below the heading's rule
constexpr double kGameOverY = 337.5;

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

const DrawOp* findText(const std::vector<DrawOp>& ops, const std::string& text) {
    auto it = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == Kind::Text && op.text == text;
    });
    return it == ops.end() ? nullptr : &*it;
}

// The text is drawn in its colour: at x, or (x < 0) just after the text before it
// on the line; at y unless y < 0.
void expectText(const std::vector<DrawOp>& ops, const std::string& text, Rgb colour, double x = -1,
                double y = -1) {
    const DrawOp* op = findText(ops, text);
    ASSERT_NE(op, nullptr) << text;
    EXPECT_EQ(op->colour, colour) << text;
    EXPECT_EQ(op->afterText, x < 0) << text;
    if (x >= 0) {
        EXPECT_DOUBLE_EQ(op->x1, x) << text;
    }
    if (y >= 0) {
        EXPECT_DOUBLE_EQ(op->y1, y) << text;
    }
}

void expectShape(const DrawOp& op, Kind kind, std::array<double, 4> corners, Rgb colour) {
    EXPECT_EQ(op.kind, kind);
    EXPECT_EQ((std::array{op.x1, op.y1, op.x2, op.y2}), corners);
    EXPECT_EQ(op.colour, colour);
}

TEST(ScoreSheet, FirstDealFrameHeadingsAndTheCurrentLineInMaroon) {
    const auto ops = scoreSheetDrawing(settled(1), false);
    expectShape(ops.at(0), Kind::FillRect, {115, 50, 685, 550}, colours::lightGreen);
    expectShape(ops.at(2), Kind::Rect, {116, 51, 684, 549}, colours::red);
    expectText(ops, "Ann-Cy", colours::blue, 190, 55);
    expectText(ops, "Bob-Di", colours::blue, 465, 55);
    expectText(ops, "SCORES", colours::maroon, 349, 55);
    EXPECT_DOUBLE_EQ(findText(ops, "Ann-Cy")->fontSize, 10);
    EXPECT_DOUBLE_EQ(findText(ops, "SCORES")->fontSize, 12);
    EXPECT_EQ(findText(ops, "^ Game 1"), nullptr);
    // The last-trick point and the declarations stay on the line after the points.
    expectText(ops, "Points =  7", colours::maroon, 190, kFirstLine);
    expectText(ops, "+1 last hand", colours::maroon);
    expectText(ops, "+ 0 decl.points", colours::maroon);
    expectText(ops, "Points =  3", colours::maroon, 465, kFirstLine);
    expectText(ops, "+ 3 decl.points", colours::maroon);
    EXPECT_EQ(findText(ops, "+1 ult.mano"), nullptr);
}

// The red rule lies one text line below the current deal; the totals 2 units below it.
TEST(ScoreSheet, LastTrickOfCoupleBAndTotals) {
    GameState g = settled(1);
    g.turnSeat = 4;
    g.matchTotal = {7, 12};
    const auto ops = scoreSheetDrawing(g, false);
    EXPECT_EQ(findText(ops, "+1 last hand"), nullptr);
    expectText(ops, "+1 ult.mano", colours::maroon);
    const double ruleY = kFirstLine + lineHeight(10);
    const auto rule = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == Kind::Line && op.colour == colours::red;
    });
    ASSERT_NE(rule, ops.end());
    expectShape(*rule, Kind::Line, {116, ruleY, 684, ruleY}, colours::red);
    expectText(ops, "Total   =  7", colours::black, 190, ruleY + 2);
    expectText(ops, "Total   =  12", colours::black, 465, ruleY + 2);
    EXPECT_EQ(findText(ops, "GAME OVER"), nullptr);
}

TEST(ScoreSheet, EarlierDealsAreListedWithWholePointsAndTheCurrentLineTurnsRed) {
    GameState g = settled(3);
    g.dealScoreA = {0, 5 * 3, 14 * 3, 0};
    g.dealScoreB = {0, 6 * 3, 0, 0};
    const auto ops = scoreSheetDrawing(g, false);
    std::vector<std::string> all;
    for (const DrawOp& op : ops)
        if (op.kind == Kind::Text) all.push_back(op.text);
    EXPECT_EQ(std::vector<std::string>(all.begin() + 3, all.begin() + 9),
              (std::vector<std::string>{"^ Game 1", "Points =  5", "Points =  6", "^ Game 2",
                                        "Points =  14", "Points =  0"}));
    expectText(ops, "^ Game 2", colours::maroon, 349, kFirstLine + 2 * lineHeight(10));
    expectText(ops, "Points =  7", colours::red, 190);
}

TEST(ScoreSheet, GameOverStandsLastAtItsFixedPlaceClearOfALongMatchsTotals) {
    GameState g = settled(14);
    for (int i = 1; i <= 13; ++i) g.dealScoreA[i] = i * 3;
    const auto ops = scoreSheetDrawing(g, true);
    expectText(ops, "GAME OVER", colours::maroon, 290, kGameOverY);
    EXPECT_EQ(ops.back().text, "GAME OVER");
    EXPECT_DOUBLE_EQ(ops.back().fontSize, 16);
    // Only the latest deals are listed.
    EXPECT_EQ(findText(ops, "^ Game 4"), nullptr);
    for (const char* text : {"^ Game 5", "^ Game 13", "Points =  13"})
        EXPECT_NE(findText(ops, text), nullptr) << text;
    const DrawOp* total = findText(ops, "Total   =  0");
    ASSERT_NE(total, nullptr);
    EXPECT_LT(total->y1 + lineHeight(10), kGameOverY);
}

TEST(ScoreSheet, NumbersCarryASignPosition) {
    EXPECT_EQ(formatScore(0), " 0");
    EXPECT_EQ(formatScore(21), " 21");
    EXPECT_EQ(formatScore(-2), "-2");
}

TEST(Drawing, PenPositionFollowsTextLinesAndShapes) {
    Drawing d;
    d.setFontSize(8);
    d.moveTo(5, 10);
    d.print("a", false);
    d.print("b", true);
    d.print("c", true);
    d.line(1, 2, 3, 4, colours::black);
    d.print("d", false);
    const auto& ops = d.ops();
    EXPECT_FALSE(ops[0].afterText);
    EXPECT_TRUE(ops[1].afterText);
    EXPECT_DOUBLE_EQ(ops[2].x1, 0);
    EXPECT_DOUBLE_EQ(ops[2].y1, 10 + lineHeight(8));
    EXPECT_DOUBLE_EQ(ops[4].x1, 3);
    EXPECT_DOUBLE_EQ(ops[4].y1, 4);
    EXPECT_FALSE(ops[4].afterText);
}

}  // namespace
}  // namespace morvello
