// Stands between the controller and its table while a run is recorded: every
// wait goes on to the table, counted, and every answer from the table's person
// is noted in the record. The count places the choices made while the
// controller waited for something else (an option, the names, the players).
#pragma once

#include "match/match_record.h"
#include "match/player_input.h"
#include "match/table_in_between.h"

namespace morvello {

class ChoiceRecorder final : public TableInBetween, public PlayerInput {
  public:
    // noted is told after each answer noted.
    ChoiceRecorder(TableView& view, PlayerInput& input, const GameState& g, MatchRecord& record,
                   std::function<void()> noted)
        : TableInBetween(view), input_(input), g_(g), record_(record), noted_(std::move(noted)) {}

    // The waits the controller has started so far.
    long waits() const { return waits_; }
    // The run starts again: no wait started yet.
    void restart() { waits_ = 0; }

    // ---- TableView: the waits are counted, before the table sees them, as a
    // choice made during a wait is made after it started
    Wait<> delay(double units) override { return nextWait().delay(units); }
    Wait<> thinkDuring(double units, std::function<void()> think) override {
        return nextWait().thinkDuring(units, std::move(think));
    }
    Wait<> showMessage(const TableMessage& message) override {
        return nextWait().showMessage(message);
    }
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override {
        return nextWait().cardToTable(seat, card, shownSignal, pauseAfter);
    }
    Wait<> dealPacket(Byte seat, const Hand& packet) override {
        return nextWait().dealPacket(seat, packet);
    }
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override {
        return nextWait().cardPlayed(seat, card, hand, shownSignal, pauseAfter);
    }
    Wait<> gatherTrick(const GatheredTrick& trick) override {
        return nextWait().gatherTrick(trick);
    }

    // ---- PlayerInput: the waits are counted and their answers noted
    Wait<DeckInput> deckInput() override;
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

  private:
    // The table, for a wait that starts now: counted before the table sees it,
    // as a choice made during the wait is made after it started.
    TableView& nextWait() {
        ++waits_;
        return view_;
    }
    void note(Choice::Kind kind, int value, Byte seat = 0);

    PlayerInput& input_;
    const GameState& g_;
    MatchRecord& record_;
    std::function<void()> noted_;
    long waits_ = 0;
};

}  // namespace morvello
