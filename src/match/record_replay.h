// A recorded run played again without a window: the match set up as it
// started, its decks dealt in turn, the answers of its waits given in order and
// the choices made while it waited made again at the same wait. A replay may
// stop after any number of choices: the match then waits, as it stood, for the
// next one.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "match/controller.h"
#include "match/headless_table.h"
#include "match/record_cursor.h"

namespace morvello {

// The options of a match a record is replayed on: the record's decks are dealt
// (RecordReplay::attach sets the match up as the run started) and with none
// left the run ends.
MatchOptions replayOptions();

// The state where the recorded run stands once every choice of it is made
// again, waiting for the next; none, with the reason in error, when the record
// does not fit its run or its run ended. A listener, when given, hears the run.
std::optional<GameState> replayedState(const MatchRecord& record, std::string& error,
                                       MatchObserver* listener = nullptr);

class RecordReplay final : public HeadlessTable {
  public:
    // Replays the first `limit` choices of the record (every one when negative).
    RecordReplay(const MatchRecord& record, long limit) : cursor_(record, limit), record_(record) {}

    // The match replayed: it is set up as the run started (Match::startOver),
    // and the choices made while it waited are made on it.
    void attach(Match& match);

    long choicesMade() const { return cursor_.choicesMade(); }
    // True once the match waits for a choice beyond those replayed.
    bool stopped() const { return cursor_.stopped(); }

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
    RecordCursor cursor_;
    const MatchRecord& record_;
};

}  // namespace morvello
