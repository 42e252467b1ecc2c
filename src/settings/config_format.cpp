#include "settings/config_format.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "settings/field_reader.h"
#include "settings/player_name.h"
#include "settings/windows1252.h"

namespace morvello {
namespace {

const GameOptions kFreshOptions;

bool inRange(std::int64_t value, int low, int high) {
    return value >= low && value <= high;
}

Byte option(std::optional<std::int64_t> read, int low, int high, Byte fallback) {
    return read && inRange(*read, low, high) ? static_cast<Byte>(*read) : fallback;
}

bool isDeckEntry(std::int64_t value) {
    return inRange(value, std::numeric_limits<std::int16_t>::min(),
                   std::numeric_limits<std::int16_t>::max());
}

// A name keeps no more characters than the name boxes take (one byte is one
// character of the code page), however long its line.
void readNames(FieldReader& in, GameOptions& options) {
    for (std::size_t i = 0; i < options.playerNames.size(); ++i) {
        const auto field = in.stringField();
        options.playerNames[i] = field ? utf8FromWindows1252(field->substr(0, kMaxNameLength))
                                       : kFreshOptions.playerNames[i];
    }
}

// Each entry is read on its own: one that is missing, unreadable or beyond 16 bits
// stays 0 and the others keep their places. What a deck that is not a permutation
// of 1..40 becomes is the controller's business.
void readDeck(FieldReader& in, Deck& deck) {
    deck.fill(0);
    for (int i = 1; i <= kCardCount; ++i) {
        const auto card = in.numberField();
        if (card && isDeckEntry(*card)) deck[i] = static_cast<int>(*card);
    }
}

void writeNumber(std::string& out, int value) {
    out += value < 0 ? '-' : ' ';
    out += std::to_string(value < 0 ? -static_cast<long>(value) : value);
    out += " \r\n";
}

void writeString(std::string& out, std::string_view utf8) {
    out += windows1252FromUtf8(storableName(utf8));
    out += "\r\n";
}

int storedOption(int value, int low, int high, int fallback) {
    return inRange(value, low, high) ? value : fallback;
}

}  // namespace

void parseConfig(std::string_view bytes, StoredGame& game, SoundChoices& sound) {
    const GameOptions& fresh = kFreshOptions;
    FieldReader in(bytes);
    game.playRate = option(in.numberField(), 1, 3, fresh.playRate);
    readNames(in, game);
    const SoundChoices freshSound;
    sound.rustleChoice = option(in.numberField(), 0, 1, freshSound.rustleChoice);
    sound.musicChoice = option(in.numberField(), 0, 255, freshSound.musicChoice);
    game.allowAllDeclare = option(in.numberField(), 1, 2, fresh.allowAllDeclare);
    game.scoreOption = option(in.numberField(), 0, 1, fresh.scoreOption);
    readDeck(in, game.deck);
    game.dealerSeat = option(in.numberField(), 0, 4, 0);
}

std::string formatConfig(const StoredGame& game, const SoundChoices& sound) {
    const GameOptions& fresh = kFreshOptions;
    std::string out;
    writeNumber(out, storedOption(game.playRate, 1, 3, fresh.playRate));
    for (const std::string& name : game.playerNames) writeString(out, name);
    writeNumber(out, storedOption(sound.rustleChoice, 0, 1, SoundChoices{}.rustleChoice));
    writeNumber(out, sound.musicChoice);
    writeNumber(out, storedOption(game.allowAllDeclare, 1, 2, fresh.allowAllDeclare));
    writeNumber(out, storedOption(game.scoreOption, 0, 1, fresh.scoreOption));
    for (int i = 1; i <= kCardCount; ++i)
        writeNumber(out, isDeckEntry(game.deck[i]) ? game.deck[i] : 0);
    writeNumber(out, storedOption(game.dealerSeat, 0, 4, 0));
    return out;
}

}  // namespace morvello
