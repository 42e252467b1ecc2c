#include "players/queries.h"

#include <cstdint>
#include <cstring>

namespace morvello {

namespace {

// True when one of slots 1..10 of the hand holds the entry: slots 1..8 are
// compared as one word, where a matching slot becomes a zero byte.
bool handHolds(const std::array<Byte, 12>& hand, Byte entry) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
    std::uint64_t first8 = 0;
    std::memcpy(&first8, &hand[1], sizeof first8);
    const std::uint64_t x = first8 ^ (kOnes * entry);
    const bool inFirst8 = ((x - kOnes) & ~x & kHighs) != 0;
    return inFirst8 || hand[9] == entry || hand[10] == entry;
}

}  // namespace

bool Carta_Uscita(const GameState& g, Byte value, int suit) {
    const Byte played = static_cast<Byte>(cardCode(suit, value) + kPlayedMark);
    return handHolds(g.hands[1], played) || handHolds(g.hands[2], played) ||
           handHolds(g.hands[3], played);
}

}  // namespace morvello
