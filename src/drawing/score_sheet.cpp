#include "drawing/score_sheet.h"

#include <algorithm>

namespace morvello {
namespace {

constexpr double kLeft = 400 - 285;  // X0: the sheet is 570 x 500 units round the centre
constexpr double kTop = 300 - 250;   // Y0
constexpr double kColumnA = kLeft + 75;
constexpr double kColumnB = kLeft + 350;
constexpr double kMiddle = kLeft + 234;

int points(int thirds) {
    return thirds / 3;
}

void drawFrame(Drawing& d, const ScoreSheet& s, const ScoreSheetWords& w) {
    d.fillRect(kLeft, kTop, kLeft + 570, kTop + 500, colours::lightGreen);
    d.rect(kLeft, kTop, kLeft + 570, kTop + 500, colours::black);
    d.rect(kLeft + 1, kTop + 1, kLeft + 569, kTop + 499, colours::red);
    d.setColour(colours::blue);
    d.moveTo(kColumnA, kTop + 5);
    d.print(s.names[0] + "-" + s.names[2], false);
    d.setX(kColumnB);
    d.print(s.names[1] + "-" + s.names[3], true);
    d.moveTo(kMiddle, kTop + 5);
    d.setColour(colours::maroon);
    d.setFontSize(12);
    d.print(w.title, true);
    d.line(kLeft + 1, kTop + 28, kLeft + 569, kTop + 28, colours::black);
    d.setFontSize(10);
}

void drawEarlierDeals(Drawing& d, const ScoreSheet& s, const ScoreSheetWords& w) {
    for (int i = s.firstListed; i < s.dealNumber; ++i) {
        const auto row = static_cast<std::size_t>(i - s.firstListed);
        d.setColour(colours::maroon);
        d.setX(kMiddle);
        d.print(w.deal + formatScore(i), true);
        d.setColour(colours::red);
        d.setX(kColumnA);
        d.print(w.points + formatScore(points(s.earlierA[row])), false);
        d.setX(kColumnB);
        d.print(w.points + formatScore(points(s.earlierB[row])), true);
    }
}

void drawCurrentDeal(Drawing& d, const ScoreSheet& s, const ScoreSheetWords& w) {
    d.setX(kColumnA);
    d.print(w.points + formatScore(points(s.cardPoints[0])), false);
    if (s.lastTrickA) d.print(w.lastTrickA, false);
    d.print("+" + formatScore(s.declPoints[0]) + w.declarationPoints, false);
    d.setX(kColumnB);
    d.print(w.points + formatScore(points(s.cardPoints[1])), false);
    if (!s.lastTrickA) d.print(w.lastTrickB, false);
    d.print("+" + formatScore(s.declPoints[1]) + w.declarationPoints, true);
}

void drawTotals(Drawing& d, const ScoreSheet& s, const ScoreSheetWords& w) {
    const double y = d.y();
    d.line(kLeft + 1, y, kLeft + 569, y, colours::red);
    d.setColour(colours::black);
    d.moveTo(kColumnA, y + 2);
    d.print(w.total + formatScore(s.matchTotal[0]), false);
    d.setX(kColumnB);
    d.print(w.total + formatScore(s.matchTotal[1]), true);
}

}  // namespace

std::string formatScore(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::vector<DrawOp> scoreSheetDrawing(const ScoreSheet& s, const ScoreSheetWords& w) {
    Drawing d;
    d.setFontSize(10);
    drawFrame(d, s, w);
    drawEarlierDeals(d, s, w);
    drawCurrentDeal(d, s, w);
    drawTotals(d, s, w);
    if (s.gameOver) {
        d.setColour(colours::maroon);
        d.setFontSize(16);
        d.moveTo(290, 337.5);
        d.print(w.gameOver, true);
    }
    return d.take();
}

}  // namespace morvello
