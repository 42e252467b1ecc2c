#include "rules/trick.h"

#include <algorithm>
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

// Orders the trick strongest rank first, cards of equal rank in seat order (as
// passes of adjacent swaps that never swap equal ranks would): each card's key
// is its rank and then its seat, and four keys are sorted by five exchanges.
void sortTableByRank(GameState& g) {
    std::array<unsigned, 4> key{};
    for (unsigned seat = 1; seat <= 4; ++seat)
        key[seat - 1] = static_cast<unsigned>(rankOf(g.trickBySeat[seat])) * 8 + seat;
    auto order = [&key](int a, int b) {
        const unsigned low = std::min(key[a], key[b]);
        key[b] = std::max(key[a], key[b]);
        key[a] = low;
    };
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
    for (int place = 1; place <= 4; ++place) {
        const Byte seat = static_cast<Byte>(key[place - 1] % 8);
        g.tableCards[place] = g.trickBySeat[seat];
        g.seatOrder[place] = seat;
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
