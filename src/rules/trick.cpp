#include "rules/trick.h"

#include <array>

namespace morvello {

namespace {

// Rank positions by table entry (an empty place, 0, reads as a king).
constexpr std::array<Byte, 256> kRankOfEntry = [] {
    std::array<Byte, 256> ranks{};
    for (int entry = 0; entry < 256; ++entry) ranks[entry] = rankPosition(ValCarta(entry));
    return ranks;
}();

int rankOf(Byte card) {
    return kRankOfEntry[card];
}

// Orders the trick strongest rank first as repeated passes of adjacent swaps
// would, which never swap equal ranks: each card goes after every stronger card
// and after the cards of equal rank from lower seats.
void sortTableByRank(GameState& g) {
    std::array<int, 5> rank{};
    for (int i = 1; i <= 4; ++i) rank[i] = rankOf(g.trickBySeat[i]);
    for (int i = 1; i <= 4; ++i) {
        int place = 1;
#pragma GCC unroll 4
        for (int j = 1; j <= 4; ++j) place += (rank[j] < rank[i]) + (j < i && rank[j] == rank[i]);
        g.tableCards[place] = g.trickBySeat[i];
        g.seatOrder[place] = static_cast<Byte>(i);
    }
}

}  // namespace

void DETERMINO_TURNO(GameState& g) {
    for (int i = 1; i <= 4; ++i) g.trickBySeat[i] = g.tableCards[i];
    const Byte suitLed = Seme(g.tableCards[g.leaderSeat]);
    sortTableByRank(g);
    for (int i = 1; i <= 4; ++i) {
        if (Seme(g.tableCards[i]) == suitLed) {
            g.turnSeat = g.seatOrder[i];
            g.leaderSeat = g.seatOrder[i];
            return;
        }
    }
}

int attribuisco_punteggio(GameState& g) {
    int thirds = 0;
    for (int i = 1; i <= 4; ++i) thirds += cardThirds(g.tableCards[i]);
    const int couple = coupleOf(g.turnSeat);
    g.cardPoints[couple] += thirds;
    dealScore(g, couple) += thirds;
    return thirds;
}

bool vincente(const GameState& g, Byte card) {
    const int rank = rankOf(card);
    for (int i = 1; i <= 4; ++i) {
        if (i != g.turnSeat && rankOf(g.tableCards[i]) < rank) return false;
    }
    return true;
}

}  // namespace morvello
