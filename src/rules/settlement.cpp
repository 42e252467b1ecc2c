#include "rules/settlement.h"

#include <algorithm>

namespace morvello {
void settleDeal(GameState& g) {
    dealScore(g, coupleOf(g.turnSeat)) += kLastTrickThirds;
    g.cardPoints[0] = wholeThirds(g.cardPoints[0]);
    g.cardPoints[1] = wholeThirds(g.cardPoints[1]);
    int& scoreA = dealScore(g, 0);
    int& scoreB = dealScore(g, 1);
    scoreB = wholeThirds(scoreB);
    scoreA = wholeThirds(scoreA);
    g.matchTotal[0] += scoreA / 3;
    g.matchTotal[1] += scoreB / 3;
}

bool isMatchOver(const GameState& g) {
    const int target = g.targetPoints[g.scoreOption];
    const bool reached = g.matchTotal[0] >= target || g.matchTotal[1] >= target;
    return reached && g.matchTotal[0] != g.matchTotal[1];
}

int leadingCouple(const GameState& g) {
    return g.matchTotal[0] > g.matchTotal[1] ? 0 : 1;
}

ScoreSheet scoreSheetOf(const GameState& g, bool gameOver) {
    ScoreSheet s{g.playerNames,
                 g.dealNumber,
                 std::max(1, g.dealNumber - kSheetHistoryRows),
                 {},
                 {},
                 g.turnSeat % 2 == 1,
                 g.cardPoints,
                 {g.declPoints[1] + g.declPoints[3], g.declPoints[2] + g.declPoints[4]},
                 g.matchTotal,
                 gameOver};
    const auto scoreOf = [](const std::vector<int>& column, int deal) {
        return deal < static_cast<int>(column.size()) ? column[deal] : 0;
    };
    for (int deal = s.firstListed; deal < s.dealNumber; ++deal) {
        s.earlierA[static_cast<std::size_t>(deal - s.firstListed)] = scoreOf(g.dealScoreA, deal);
        s.earlierB[static_cast<std::size_t>(deal - s.firstListed)] = scoreOf(g.dealScoreB, deal);
    }
    return s;
}

}  // namespace morvello
