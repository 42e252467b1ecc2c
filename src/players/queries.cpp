#include "players/queries.h"

#include <algorithm>

namespace morvello {

bool Carta_Uscita(const GameState& g, Byte value, int suit) {
    const Byte played = static_cast<Byte>(cardCode(suit, value) + kPlayedMark);
    for (Byte seat = 1; seat <= 3; ++seat) {
        const auto& hand = g.hands[seat];
        if (std::find(hand.begin() + 1, hand.begin() + 11, played) != hand.begin() + 11)
            return true;
    }
    return false;
}

}  // namespace morvello
