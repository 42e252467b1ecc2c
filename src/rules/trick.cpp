#include "rules/trick.h"

#include <algorithm>
#include <array>

namespace morvello {

namespace {

// Rank positions by table entry (an empty place, 0, reads as a king).
constexpr std::array<Byte, 256> kRankOfEntry = [] {
    std::array<Byte, 256> ranks{};
    for (int entry = 0; entry < 256; ++entry) ranks[entry] = rankPosition(valueOf(entry));
    return ranks;
}();

int rankOf(Byte card) {
    return kRankOfEntry[card];
}

// A card's key in the trick: its rank, then its seat, so no two keys are equal
// and cards of equal rank keep seat order.
unsigned trickKey(const GameState& g, unsigned seat) {
    return static_cast<unsigned>(rankOf(g.trickBySeat[seat])) * 8 + seat;
}

// Orders the trick strongest rank first: each card's place is one more than the
// number of cards with a lower key. Counting, not comparing and swapping, keeps
// the outcome of an unpredictable comparison out of the branches.
void sortTableByRank(GameState& g, const std::array<unsigned, 5>& key) {
    for (unsigned seat = 1; seat <= 4; ++seat) {
        unsigned place = 1;
        for (unsigned other = 1; other <= 4; ++other) place += key[other] < key[seat] ? 1 : 0;
        g.tableCards[place] = g.trickBySeat[seat];
        g.seatOrder[place] = static_cast<Byte>(seat);
    }
}

// Above every key of a card of the suit led.
constexpr unsigned kNoWinner = ~0U;

}  // namespace

// The winner holds the lowest key among the cards of the suit led.
void resolveTrick(GameState& g) {
    const Byte suitLed = suitOf(g.tableCards[g.leaderSeat]);
    for (int i = 1; i <= 4; ++i) g.trickBySeat[i] = g.tableCards[i];
    std::array<unsigned, 5> key{};
    unsigned winnerKey = kNoWinner;
    for (unsigned seat = 1; seat <= 4; ++seat) {
        key[seat] = trickKey(g, seat);
        const unsigned offSuit = suitOf(g.trickBySeat[seat]) != suitLed ? 1 : 0;
        winnerKey = std::min(winnerKey, key[seat] | offSuit << 8);
    }
    sortTableByRank(g, key);
    if (winnerKey >> 8 != 0) return;  // no card of the suit led: no winner
    g.turnSeat = g.leaderSeat = static_cast<Byte>(winnerKey % 8);
}

int creditTrickPoints(GameState& g) {
    int thirds = 0;
    for (int i = 1; i <= 4; ++i) thirds += cardThirds(g.tableCards[i]);
    const int couple = coupleOf(g.turnSeat);
    g.cardPoints[couple] += thirds;
    dealScore(g, couple) += thirds;
    return thirds;
}

bool outranksTable(const GameState& g, Byte card) {
    const int rank = rankOf(card);
    bool outranked = false;
    for (int i = 1; i <= 4; ++i) outranked |= i != g.turnSeat && rankOf(g.tableCards[i]) < rank;
    return !outranked;
}

}  // namespace morvello
