// Stands between the controller and a live table (the window's) so that a
// recorded run can be played again on it: while the record lasts, the waits for
// the person are answered from it, pauses and messages end at once and no sound
// is made, and the table is handed only what it shows, to lay it out as it
// stands. From the first wait the record does not answer on, everything goes on
// to the table, and the person plays on from there.
#pragma once

#include <functional>
#include <memory>

#include "match/player_input.h"
#include "match/record_cursor.h"
#include "match/table_in_between.h"

namespace morvello {

class ReplayingTable final : public TableInBetween, public PlayerInput {
  public:
    ReplayingTable(TableView& view, PlayerInput& input) : TableInBetween(view), input_(input) {}

    // The record to play again on match, set up as the record started
    // (Match::startOver) and not yet playing.
    void replay(MatchRecord record, Match& match);
    bool replaying() const { return cursor_ != nullptr; }

    // Told when a replay starts and when the table is live again, so that the
    // table lays itself out at once and stays silent meanwhile.
    std::function<void(bool replaying)> onReplaying;

    // ---- TableView: while replayed, pauses and messages end at once, sounds
    // are dropped and the stored game is not saved again
    Wait<> delay(double units) override;
    Wait<> thinkDuring(double units, std::function<void()> think) override;
    Wait<> showMessage(const TableMessage& message) override;
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override;
    Wait<> dealPacket(Byte seat, const Hand& packet) override;
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override;
    Wait<> gatherTrick(const GatheredTrick& trick) override;
    void playSound(Sound sound) override;
    void saveConfig(const StoredGame& stored) override;

    // ---- PlayerInput
    Wait<DeckInput> deckInput() override;
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

  private:
    // A wait starts; true while the record still plays it.
    bool replayedWait();
    // The answer of a wait for the person from the record; null once it has none.
    const Choice* recordedAnswer(std::initializer_list<Choice::Kind> kinds);
    void goLive();

    PlayerInput& input_;
    std::unique_ptr<MatchRecord> record_;
    std::unique_ptr<RecordCursor> cursor_;
};

}  // namespace morvello
