// The score sheet's drawing operations, built from a settled deal.
#include "drawing/score_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace morvello {
namespace {

using Kind = DrawOp::Kind;

// A state as risultato leaves it after the given deal.
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

std::vector<std::string> texts(const std::vector<DrawOp>& ops) {
    std::vector<std::string> out;
    for (const DrawOp& op : ops)
        if (op.kind == Kind::Text) out.push_back(op.text);
    return out;
}

TEST(ScoreSheet, FrameAndHeadingsAreDrawnInTheirColours) {
    const auto ops = scoreSheetDrawing(settled(1), false);
    ASSERT_GE(ops.size(), 7u);
    EXPECT_EQ(ops[0].kind, Kind::FillRect);
    EXPECT_EQ(ops[0].colour, colours::lightGreen);
    EXPECT_DOUBLE_EQ(ops[0].x1, 115);
    EXPECT_DOUBLE_EQ(ops[0].y1, 50);
    EXPECT_DOUBLE_EQ(ops[0].x2, 685);
    EXPECT_DOUBLE_EQ(ops[0].y2, 550);
    EXPECT_EQ(ops[1].kind, Kind::Rect);
    EXPECT_EQ(ops[1].colour, colours::black);
    EXPECT_EQ(ops[2].kind, Kind::Rect);
    EXPECT_EQ(ops[2].colour, colours::red);
    EXPECT_DOUBLE_EQ(ops[2].x1, 116);
    EXPECT_DOUBLE_EQ(ops[2].y2, 549);

    const DrawOp* couples = findText(ops, "Ann-Cy");
    ASSERT_NE(couples, nullptr);
    EXPECT_EQ(couples->colour, colours::blue);
    EXPECT_DOUBLE_EQ(couples->x1, 190);
    EXPECT_DOUBLE_EQ(couples->y1, 55);
    EXPECT_DOUBLE_EQ(couples->fontSize, 10);
    const DrawOp* others = findText(ops, "Bob-Di");
    ASSERT_NE(others, nullptr);
    EXPECT_DOUBLE_EQ(others->x1, 465);
    EXPECT_FALSE(others->afterText);

    const DrawOp* title = findText(ops, "SCORES");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->colour, colours::maroon);
    EXPECT_DOUBLE_EQ(title->fontSize, 12);
    EXPECT_DOUBLE_EQ(title->x1, 349);
    EXPECT_DOUBLE_EQ(title->y1, 55);
}

TEST(ScoreSheet, FirstDealPrintsTheCurrentLineInMaroonWithSignSpaces) {
    const auto ops = scoreSheetDrawing(settled(1), false);
    const auto all = texts(ops);
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const std::string& t) { return t.rfind("^ Game", 0) == 0; }),
              0);
    const DrawOp* pointsA = findText(ops, "Points =  7");
    ASSERT_NE(pointsA, nullptr);
    EXPECT_EQ(pointsA->colour, colours::maroon);
    EXPECT_DOUBLE_EQ(pointsA->x1, 190);
    EXPECT_DOUBLE_EQ(pointsA->y1, 78);  // the first text line below the heading's rule
    // Staying on the line: the last-trick point and the declarations follow the points.
    const DrawOp* lastHand = findText(ops, "+1 last hand");
    ASSERT_NE(lastHand, nullptr);
    EXPECT_TRUE(lastHand->afterText);
    EXPECT_EQ(findText(ops, "+1 ult.mano"), nullptr);
    ASSERT_NE(findText(ops, "+ 0 decl.points"), nullptr);
    EXPECT_TRUE(findText(ops, "+ 0 decl.points")->afterText);
    const DrawOp* declB = findText(ops, "+ 3 decl.points");
    ASSERT_NE(declB, nullptr);
    EXPECT_TRUE(declB->afterText);
    EXPECT_DOUBLE_EQ(findText(ops, "Points =  3")->x1, 465);
}

TEST(ScoreSheet, LastTrickOfCoupleBAndTotals) {
    GameState g = settled(1);
    g.turnSeat = 4;
    g.matchTotal = {7, 12};
    const auto ops = scoreSheetDrawing(g, false);
    EXPECT_EQ(findText(ops, "+1 last hand"), nullptr);
    ASSERT_NE(findText(ops, "+1 ult.mano"), nullptr);

    // The red rule lies one text line below the current deal; the totals 2 units below it.
    const double ruleY = 78 + lineHeight(10);
    auto rule = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == Kind::Line && op.colour == colours::red;
    });
    ASSERT_NE(rule, ops.end());
    EXPECT_DOUBLE_EQ(rule->y1, ruleY);
    EXPECT_DOUBLE_EQ(rule->x1, 116);
    EXPECT_DOUBLE_EQ(rule->x2, 684);
    const DrawOp* totalA = findText(ops, "Total   =  7");
    ASSERT_NE(totalA, nullptr);
    EXPECT_EQ(totalA->colour, colours::black);
    EXPECT_DOUBLE_EQ(totalA->y1, ruleY + 2);
    EXPECT_DOUBLE_EQ(findText(ops, "Total   =  12")->x1, 465);
    EXPECT_EQ(findText(ops, "GAME OVER"), nullptr);
}

TEST(ScoreSheet, EarlierDealsAreListedWithWholePoints) {
    GameState g = settled(3);
    g.dealScoreA = {0, 5 * 3, 14 * 3, 0};
    g.dealScoreB = {0, 6 * 3, 0, 0};
    const auto ops = scoreSheetDrawing(g, false);
    const auto all = texts(ops);
    const std::vector<std::string> history(all.begin() + 3, all.begin() + 9);
    EXPECT_EQ(history, (std::vector<std::string>{"^ Game 1", "Points =  5", "Points =  6",
                                                 "^ Game 2", "Points =  14", "Points =  0"}));
    const DrawOp* game2 = findText(ops, "^ Game 2");
    EXPECT_EQ(game2->colour, colours::maroon);
    EXPECT_DOUBLE_EQ(game2->x1, 349);
    EXPECT_DOUBLE_EQ(game2->y1, 78 + 2 * lineHeight(10));
    // After the history the current deal stays red.
    EXPECT_EQ(findText(ops, "Points =  7")->colour, colours::red);
}

TEST(ScoreSheet, GameOverStandsAtItsFixedPlace) {
    const auto ops = scoreSheetDrawing(settled(2), true);
    const DrawOp* over = findText(ops, "GAME OVER");
    ASSERT_NE(over, nullptr);
    EXPECT_DOUBLE_EQ(over->x1, 290);
    EXPECT_DOUBLE_EQ(over->y1, 337.5);
    EXPECT_DOUBLE_EQ(over->fontSize, 16);
    EXPECT_EQ(over->colour, colours::maroon);
    EXPECT_EQ(&ops.back(), over);
}

TEST(ScoreSheet, ALongMatchListsItsLatestDealsAndKeepsTheTotalsOnTheSheet) {
    GameState g = settled(14);
    for (int i = 1; i <= 13; ++i) g.dealScoreA[i] = i * 3;
    const auto ops = scoreSheetDrawing(g, true);
    EXPECT_EQ(findText(ops, "^ Game 4"), nullptr);
    ASSERT_NE(findText(ops, "^ Game 5"), nullptr);
    ASSERT_NE(findText(ops, "^ Game 13"), nullptr);
    ASSERT_NE(findText(ops, "Points =  13"), nullptr);
    const DrawOp* total = findText(ops, "Total   =  0");
    ASSERT_NE(total, nullptr);
    EXPECT_LT(total->y1 + lineHeight(10), 337.5);  // clear of "GAME OVER"
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
