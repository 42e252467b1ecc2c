// Feeds arbitrary bytes to the config.qvr reader, writes the state it read and
// reads that back: the reader must never fail, every value it gives must be in
// range, and what the writer writes must read back to the same state.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/config_format.h"
#include "settings/player_name.h"

namespace {

using morvello::GameState;

// A name read is at most kMaxNameLength characters of the code page, each at most
// three bytes of UTF-8.
constexpr std::size_t kMaxNameBytes = 3 * morvello::kMaxNameLength;

void require(bool condition) {
    if (!condition) std::abort();
}

void requireInRange(const GameState& g) {
    require(g.playRate >= 1 && g.playRate <= 3);
    require(g.rustleChoice <= 1);
    require(g.allowAllDeclare >= 1 && g.allowAllDeclare <= 2);
    require(g.scoreOption <= 1);
    require(g.dealerSeat <= 4);
    require(g.noReplayDeck);
    for (const int entry : g.deck) require(entry >= INT16_MIN && entry <= INT16_MAX);
    for (const std::string& name : g.playerNames) require(name.size() <= kMaxNameBytes);
}

bool sameStoredState(const GameState& a, const GameState& b) {
    return a.playRate == b.playRate && a.playerNames == b.playerNames &&
           a.rustleChoice == b.rustleChoice && a.musicChoice == b.musicChoice &&
           a.allowAllDeclare == b.allowAllDeclare && a.scoreOption == b.scoreOption &&
           a.deck == b.deck && a.dealerSeat == b.dealerSeat;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GameState first;
    morvello::parseConfig(bytes, first);
    requireInRange(first);

    const std::string written = morvello::formatConfig(first);
    GameState second;
    morvello::parseConfig(written, second);
    requireInRange(second);

    // The writer keeps of each name only what the file can hold; the rest is exact.
    GameState expected = first;
    for (std::string& name : expected.playerNames) name = morvello::storableName(name);
    require(sameStoredState(second, expected));
    for (const std::string& name : second.playerNames) require(morvello::isStorableName(name));
    require(morvello::formatConfig(second) == written);
    return 0;
}
