// A record walked through as its run is played again: each wait the match
// starts is counted, the choices made during a wait are made again on the match
// as it starts, and the answers of the waits are handed out in order. The walk
// may stop after any number of choices: the match then waits, as it stood, for
// the next one.
#pragma once

#include <initializer_list>
#include <stdexcept>

#include "match/match_record.h"

namespace morvello {

class Match;

// The record does not fit the match it replays: its next choice answers
// another wait than the one the match is in.
class RecordMismatch : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class RecordCursor {
  public:
    // Walks the first `limit` choices of the record (every one when negative).
    // The record must outlive the cursor.
    RecordCursor(const MatchRecord& record, long limit);

    // The match played again; the choices made before its first wait are made.
    void attach(Match& match);

    // A wait starts: the choices made during it are made. True when the walk
    // stops here: the first choice not walked was made during this wait.
    bool waitStarts();
    // A wait for an answer starts: the next choice, which must be of one of
    // these kinds; null when the walk stops here.
    const Choice* answer(std::initializer_list<Choice::Kind> kinds);

    long choicesMade() const { return static_cast<long>(next_); }
    // True once the match waits for a choice beyond those walked.
    bool stopped() const { return stopped_; }

  private:
    void applyDue();
    void makeChoice(const Choice& choice);

    const MatchRecord& record_;
    std::size_t limit_;
    std::size_t next_ = 0;
    long waits_ = 0;
    bool stopped_ = false;
    Match* match_ = nullptr;
};

}  // namespace morvello
