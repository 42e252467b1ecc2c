#include "rules/settlement.h"

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

}  // namespace morvello
