#include "cards/shuffle.h"

#include <chrono>
#include <cstdint>

namespace morvello {

void Mescola(GameState& g, ShuffleEngine& engine) {
    for (int i = 1; i <= kCardCount; ++i) g.shufflePool[i] = i;
    g.shufflePool[0] = 0;
    for (int i = 1; i <= kCardCount; ++i) {
        int r = 0;
        do {
            // u x 41 with u = x / 2^32, a uniform fraction in [0, 1).
            r = static_cast<int>((static_cast<std::uint64_t>(engine()) * 41) >> 32);
        } while (g.shufflePool[r] == 0);
        g.deck[i] = g.shufflePool[r];
        g.shufflePool[r] = 0;
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
