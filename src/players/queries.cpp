#include "players/queries.h"

namespace morvello {

bool Carta_Uscita(const GameState& g, Byte value, int suit) {
    const int played = cardCode(suit, value) + kPlayedMark;
    bool out = false;
    for (int seat = 1; seat <= 3; ++seat) {
        for (int slot = 1; slot <= 10; ++slot) out |= g.hands[seat][slot] == played;
    }
    return out;
}

}  // namespace morvello
