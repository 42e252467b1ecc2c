#include "cards/shuffle.h"

#include <chrono>
#include <cstdint>

namespace morvello {

void Mescola(GameState& g, ShuffleEngine& engine) {
    // Drawing Int(u x 41) again and again until it names a card still in the pool
    // picks each remaining card with the same chance; picking among the remaining
    // cards directly gives the same uniform permutation with 40 draws.
    for (int i = 1; i <= kCardCount; ++i) g.shufflePool[i] = i;
    g.shufflePool[0] = 0;
    for (int i = 1, remaining = kCardCount; i <= kCardCount; ++i, --remaining) {
        // A place 1..remaining: u x remaining with u = x / 2^32 in [0, 1).
        const int r =
            1 + static_cast<int>((static_cast<std::uint64_t>(engine()) * remaining) >> 32);
        g.deck[i] = g.shufflePool[r];
        g.shufflePool[r] = g.shufflePool[remaining];
        g.shufflePool[remaining] = 0;
    }
}

ShuffleEngine timeOfDayEngine() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto sinceMidnight = std::chrono::duration_cast<std::chrono::nanoseconds>(now) %
                               std::chrono::nanoseconds(std::chrono::hours(24));
    return ShuffleEngine(static_cast<ShuffleEngine::result_type>(sinceMidnight.count()));
}

bool isFullDeck(const std::array<int, 41>& deck) {
    std::array<bool, 41> seen{};
    for (int i = 1; i <= kCardCount; ++i) {
        const int card = deck[i];
        if (card < 1 || card > kCardCount || seen[card]) return false;
        seen[card] = true;
    }
    return true;
}

}  // namespace morvello
