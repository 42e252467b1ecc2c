#include "cards/hand_order.h"

#include <bit>
#include <cstdint>

namespace morvello {
namespace {

// suitOf of a played entry is its suit plus 10, so played cards sort after held ones.
constexpr std::array<Byte, 141> makeOrderKeys() {
    std::array<Byte, 141> keys{};
    for (int entry = 0; entry <= 140; ++entry)
        keys[entry] = static_cast<Byte>(suitOf(entry) * 12 + rankPosition(valueOf(entry)));
    return keys;
}
constexpr std::array<Byte, 141> kOrderKeys = makeOrderKeys();

constexpr int kKeyCount = 192;  // every key of an entry 1..140 is below this

// The entry each key belongs to: keys of different entries differ.
constexpr std::array<Byte, kKeyCount> kEntryOfKey = [] {
    std::array<Byte, kKeyCount> entries{};
    for (int entry = 1; entry <= 140; ++entry)
        entries[kOrderKeys[entry]] = static_cast<Byte>(entry);
    return entries;
}();

}  // namespace

// The keys as a set of bits, read back in order; empty slots (0) come first. The
// keys of a hand with no card played all lie in the first word, and the read-back
// takes as many steps as the hand has cards, so a fresh hand's sort never waits
// on a guess.
void sortHand(GameState& g, Byte seat) {
    auto& hand = g.hands[seat];
    std::array<std::uint64_t, kKeyCount / 64> keys{};
    int slot = 1;
    for (int i = 1; i <= 10; ++i) {
        if (hand[i] == 0) {
            ++slot;
            continue;
        }
        const unsigned key = kOrderKeys[hand[i]];
        keys[key / 64] |= std::uint64_t{1} << (key % 64);
    }
    for (int i = 1; i < slot; ++i) hand[i] = 0;
    std::size_t word = 0;
    for (; slot <= 10; ++slot) {
        while (keys[word] == 0) ++word;
        const Byte entry = kEntryOfKey[word * 64 + std::countr_zero(keys[word])];
        keys[word] &= keys[word] - 1;
        hand[slot] = entry;
        g.slotOf[isPlayed(entry) ? entry - kPlayedMark : entry] = static_cast<Byte>(slot);
    }
}

}  // namespace morvello
