// The bytes of config.qvr: 50 fields, one a line, CR LF, Windows-1252.
//
//   1 playRate   2..5 the names of seats 1..4   6 rustleChoice   7 musicChoice
//   8 allowAllDeclare   9 scoreOption   10..49 deck entries 1..40   50 dealerSeat
//
// Numbers are written with a space (the sign position) before them and one after.
#pragma once

#include <string>
#include <string_view>

#include "cards/game_state.h"
#include "settings/sound_choices.h"

namespace morvello {

inline constexpr std::string_view kConfigFileName = "config.qvr";
inline constexpr int kConfigLines = 50;

// readConfig on the file's bytes (empty when there is no file). Fields 1 to 9 that
// are missing, unreadable or out of range take the values of fresh GameOptions;
// names keep their first kMaxNameLength characters. Deck entries that cannot be
// read as 16-bit numbers stay 0, each on its own, so the deck read need not be a
// permutation of 1..40; a dealer outside 0..4 becomes 0.
void parseConfig(std::string_view bytes, StoredGame& game, SoundChoices& sound);

// writeConfig's bytes. Every field reads back as written: names keep only what the
// file can hold (storableName), options out of range are written as their
// defaults, deck entries beyond 16 bits as 0.
std::string formatConfig(const StoredGame& game, const SoundChoices& sound);

}  // namespace morvello
