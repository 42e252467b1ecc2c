#include "match/trick.h"

#include <utility>

namespace morvello {

namespace {

int rankOf(int card) {
    return rankPosition(ValCarta(card));
}

// Bubble passes over positions 2..4, strongest rank first; equal ranks stay put.
void sortTableByRank(GameState& g) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 2; i <= 4; ++i) {
            if (rankOf(g.tableCards[i]) < rankOf(g.tableCards[i - 1])) {
                std::swap(g.tableCards[i], g.tableCards[i - 1]);
                std::swap(g.seatOrder[i], g.seatOrder[i - 1]);
                swapped = true;
            }
        }
    }
}

}  // namespace

void DETERMINO_TURNO(GameState& g) {
    for (int i = 1; i <= 4; ++i) {
        g.trickBySeat[i] = g.tableCards[i];
        g.seatOrder[i] = static_cast<Byte>(i);
    }
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
