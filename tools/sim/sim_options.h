// The command line of morvello-sim.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "expert/expert_choice.h"
#include "match/match_record.h"
#include "match/seat_player.h"

namespace morvello::sim {

using Deck = std::array<int, 41>;  // codes in places 1..40

struct SimOptions {
    std::optional<std::vector<Deck>> decks;  // --decks: one fresh deck a deal
    std::uint32_t seed = 0;                  // --seed, or the time of day
    int dealer = 1;                          // --dealer 0..4, or the deck file's dealer
    int target = 21;                         // --target 21|31
    long matches = 1;                        // --matches
    std::set<int> replays;                   // --replay deal numbers
    SeatKinds players = kFourComputers;      // --expert and --people seats 1..4
    int samples = kDefaultExpertSamples;     // --samples: the Expert's sampled deals per card
    bool trace = false;
    bool bench = false;
    std::string recordFile;                   // --record: where the run's record is written
    std::optional<MatchRecord> replayRecord;  // --replay-record: the run to play again
    long replayTo = -1;                       // --to: the choices replayed; every one when -1
    bool help = false;                        // --help: the usage, and nothing played
    bool version = false;                     // --version: the version, and nothing played
};

inline constexpr long kMostSamples = 1000000;

struct ParseResult {
    SimOptions options;
    std::string error;  // empty when the command line is good
};

ParseResult parseOptions(const std::vector<std::string>& args);

// What --help prints.
std::string usage();

// A deck file: one deck a line, 40 codes 1..40 separated by commas and/or spaces;
// blank lines are skipped. A line `dealer N` (N 0..4) before the first deck gives
// the first deal's dealer, as --dealer does.
struct DeckFile {
    std::vector<Deck> decks;
    std::optional<int> dealer;
};

// Returns an error naming the first bad line. A text with no deck is no error
// here; the command line refuses it.
std::string parseDecks(const std::string& text, DeckFile& file);

}  // namespace morvello::sim
