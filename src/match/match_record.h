// A run of matches as a record: what it started from, the decks it dealt and
// every choice made in it, in order. Replayed without a window (replayRecord),
// the record plays the same matches again, event for event.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/game_state.h"
#include "match/seat_player.h"

namespace morvello {

// One choice, as the controller received it.
struct Choice {
    enum class Kind : Byte {
        // Answers to the controller's waits.
        Draw,       // the deck was clicked in the dealer choice
        LookAgain,  // the dealer choice was told to look at the state again
        Card,       // a waited-for seat's card: value is the card
        Signal,     // a waited-for seat's signal after its lead: 0..3 or kNoSignalChosen
        Command,    // a Game-menu command between deals: value is a Command
        // Choices made while the controller waited for something else.
        LateSignal,   // a signal picked after the wait for it: seat and value
        PlayRate,     // value 1..3
        WhoDeclares,  // value kAllDeclare or kOnlyLeaderDeclares
        MatchTarget,  // value 0 for 21 points, 1 for 31
        Names,        // the names panel confirmed with `names`
        Players,      // who plays each seat from now on: `players`
        TakeBack,     // the person took back a card: the match went back to this wait
    };
    Kind kind = Kind::Draw;
    Byte seat = 0;
    int value = 0;
    // The choices made while the controller waited: the number of waits the
    // controller had started when it was made, so a replay makes it at the same
    // wait.
    long atWait = 0;
    std::array<std::string, 4> names{};
    SeatKinds players{};

    bool answersAWait() const { return kind <= Kind::Command; }
};

// What a run starts from: its players, and the options and the stored deck and
// dealer.
struct RecordStart {
    SeatKinds players = kOnePersonAtSeatOne;
    int expertSamples = 0;
    std::uint32_t expertSeed = 0;
    std::optional<Byte> firstDealer;
    StoredGame game;
};

struct MatchRecord {
    RecordStart start;
    std::vector<Deck> decks;  // each fresh deck, in the order they were dealt
    std::vector<Choice> choices;
};

// The version a record is written with; a reader refuses a newer one.
inline constexpr int kRecordVersion = 2;

// The record as text: a first line naming the format and its version, then one
// line a start field, a deck or a choice, in the order they came.
std::string recordText(const MatchRecord& record);

struct RecordReading {
    std::optional<MatchRecord> record;
    std::string error;   // empty when the record was read
    bool newer = false;  // written by a newer version of the program
};
RecordReading readRecord(std::string_view text);

}  // namespace morvello
