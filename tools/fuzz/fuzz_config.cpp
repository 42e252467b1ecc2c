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

using morvello::GameOptions;
using morvello::SoundChoices;
using morvello::StoredGame;

// What the file holds: the game's stored fields and the Sounds menu's choices.
struct Stored {
    StoredGame game;
    SoundChoices sound;

    bool operator==(const Stored&) const = default;
};

Stored parsed(std::string_view bytes) {
    Stored s;
    morvello::parseConfig(bytes, s.game, s.sound);
    return s;
}

std::string formatted(const Stored& s) {
    return morvello::formatConfig(s.game, s.sound);
}

// A name read is at most kMaxNameLength characters of the code page, each at most
// three bytes of UTF-8.
constexpr std::size_t kMaxNameBytes = 3 * morvello::kMaxNameLength;

void require(bool condition) {
    if (!condition) std::abort();
}

void requireInRange(const Stored& s) {
    const GameOptions& o = s.game;
    require(o.playRate >= 1 && o.playRate <= 3);
    require(s.sound.rustleChoice <= 1);
    require(o.allowAllDeclare >= 1 && o.allowAllDeclare <= 2);
    require(o.scoreOption <= 1);
    require(s.game.dealerSeat <= 4);
    for (const int entry : s.game.deck) require(entry >= INT16_MIN && entry <= INT16_MAX);
    for (const std::string& name : o.playerNames) require(name.size() <= kMaxNameBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Stored first = parsed(bytes);
    requireInRange(first);

    const std::string written = formatted(first);
    const Stored second = parsed(written);
    requireInRange(second);

    // The writer keeps of each name only what the file can hold; the rest is exact.
    Stored expected = first;
    for (std::string& name : expected.game.playerNames) name = morvello::storableName(name);
    require(second == expected);
    for (const std::string& name : second.game.playerNames) require(morvello::isStorableName(name));
    require(formatted(second) == written);
    return 0;
}
