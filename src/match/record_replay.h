// A recorded run played again without a window: the match set up as it
// started, its decks dealt in turn, the answers of its waits given in order and
// the choices made while it waited made again at the same wait. A replay may
// stop after any number of choices: the match then waits, as it stood, for the
// next one.
#pragma once

#include <functional>
#include <stdexcept>

#include "match/controller.h"
#include "match/headless_table.h"
#include "match/match_record.h"

namespace morvello {

// The record does not fit the match it replays: its next choice answers
// another wait than the one the match is in.
class RecordMismatch : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The options a recorded run started with, its decks dealt in turn.
MatchOptions replayOptions(const MatchRecord& record);

class RecordReplay final : public HeadlessTable {
  public:
    // Replays the first `limit` choices of the record (every one when negative).
    RecordReplay(const MatchRecord& record, long limit);

    // The match replayed: it is set up as the run started, and the choices made
    // while it waited are made on it.
    void attach(Match& match);

    long choicesMade() const { return static_cast<long>(next_); }
    // True once the match waits for a choice beyond those replayed.
    bool stopped() const { return stopped_; }

    Wait<> delay(double units) override;
    Wait<> thinkDuring(double units, std::function<void()> think) override;
    Wait<> showMessage(const TableMessage& message) override;
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override;
    Wait<> dealPacket(Byte seat, const Hand& packet) override;
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override;
    Wait<> gatherTrick(const GatheredTrick& trick) override;

    Wait<DeckInput> deckInput() override;
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

  private:
    bool waitStarts();
    void applyDue();
    void makeChoice(const Choice& choice);
    // The next choice, which must answer a wait of this kind; null when the
    // replay stops here.
    const Choice* answer(std::initializer_list<Choice::Kind> kinds);

    const MatchRecord& record_;
    std::size_t limit_;
    std::size_t next_ = 0;
    long waits_ = 0;
    bool stopped_ = false;
    Match* match_ = nullptr;
};

}  // namespace morvello
