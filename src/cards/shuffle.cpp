#include "cards/shuffle.h"

#include <chrono>
#include <cstdint>

namespace morvello {

void shuffleDeck(Deck& deck, ShuffleEngine& engine) {
    // Each place takes one of the cards still in the pool, each with the same
    // chance: a uniform permutation in 40 draws.
    std::array<int, kCardCount + 1> pool{};
    for (int i = 1; i <= kCardCount; ++i) pool[i] = i;
    for (int i = 1, remaining = kCardCount; i <= kCardCount; ++i, --remaining) {
        // A place 1..remaining: u x remaining with u = x / 2^32 in [0, 1).
        const int r =
            1 + static_cast<int>((static_cast<std::uint64_t>(engine()) * remaining) >> 32);
        deck[i] = pool[r];
        pool[r] = pool[remaining];
    }
}

ShuffleEngine timeOfDayEngine() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto sinceMidnight = std::chrono::duration_cast<std::chrono::nanoseconds>(now) %
                               std::chrono::nanoseconds(std::chrono::hours(24));
    return ShuffleEngine(static_cast<ShuffleEngine::result_type>(sinceMidnight.count()));
}

bool isFullDeck(const Deck& deck) {
    std::array<bool, 41> seen{};
    for (int i = 1; i <= kCardCount; ++i) {
        const int card = deck[i];
        if (card < 1 || card > kCardCount || seen[card]) return false;
        seen[card] = true;
    }
    return true;
}

}  // namespace morvello
