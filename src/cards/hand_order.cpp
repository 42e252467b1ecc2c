#include "cards/hand_order.h"

namespace morvello {
namespace {

// Seme of a played entry is its suit plus 10, so played cards sort after held ones.
constexpr std::array<Byte, 141> makeOrderKeys() {
    std::array<Byte, 141> keys{};
    for (int entry = 0; entry <= 140; ++entry)
        keys[entry] = static_cast<Byte>(Seme(entry) * 12 + rankPosition(ValCarta(entry)));
    return keys;
}
constexpr std::array<Byte, 141> kOrderKeys = makeOrderKeys();

int orderKey(int entry) {
    return kOrderKeys[entry];
}

}  // namespace

void sortHand(GameState& g, Byte seat) {
    auto& hand = g.hands[seat];
    std::array<int, 11> keys{};
    for (int i = 1; i <= 10; ++i) keys[i] = orderKey(hand[i]);
    for (int i = 2; i <= 10; ++i) {  // insertion sort, carrying each card with its key
        const Byte card = hand[i];
        const int key = keys[i];
        int j = i - 1;
        while (j >= 1 && keys[j] > key) {
            hand[j + 1] = hand[j];
            keys[j + 1] = keys[j];
            --j;
        }
        hand[j + 1] = card;
        keys[j + 1] = key;
    }
}

}  // namespace morvello
