#include "cards/hand_order.h"

namespace morvello {
namespace {

// Seme of a played entry is its suit plus 10, so played cards sort after held ones.
int orderKey(int entry) { return Seme(entry) * 16 + rankPosition(ValCarta(entry)); }

}  // namespace

void sortHand(GameState& g, Byte seat) {
    auto& hand = g.hands[seat];
    for (int i = 2; i <= 10; ++i) {
        const Byte card = hand[i];
        int j = i - 1;
        while (j >= 1 && orderKey(hand[j]) > orderKey(card)) {
            hand[j + 1] = hand[j];
            --j;
        }
        hand[j + 1] = card;
    }
}

}  // namespace morvello
