// Stands between the controller and its table while a run is recorded: every
// wait goes on to the table, counted, and every answer from the table's person
// is noted in the record. The count places the choices made while the
// controller waited for something else (an option, the names, the players).
#pragma once

#include "match/match_record.h"
#include "match/player_input.h"
#include "match/table_view.h"

namespace morvello {

class ChoiceRecorder final : public TableView, public PlayerInput {
  public:
    ChoiceRecorder(TableView& view, PlayerInput& input, const GameState& g, MatchRecord& record)
        : view_(view), input_(input), g_(g), record_(record) {}

    // The waits the controller has started so far.
    long waits() const { return waits_; }

    // ---- TableView: the waits are counted
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
    void clearDrawing() override { view_.clearDrawing(); }
    void drawNames(const std::array<std::string, 4>& names, Byte turnSeat) override {
        view_.drawNames(names, turnSeat);
    }
    void showTitle(bool shown) override { view_.showTitle(shown); }
    void showDeck(bool shown) override { view_.showDeck(shown); }
    void parkAllCards() override { view_.parkAllCards(); }
    void parkCard(Byte card, Parking where) override { view_.parkCard(card, where); }
    void showDrawnCard(Byte seat, Byte card) override { view_.showDrawnCard(seat, card); }
    void layOutHand(Byte seat, const Hand& hand) override { view_.layOutHand(seat, hand); }
    void cardToStart(Byte seat, Byte card, const Hand& hand) override {
        view_.cardToStart(seat, card, hand);
    }
    void showDeclaration(Byte seat, const ShownDeclarations& shown) override {
        view_.showDeclaration(seat, shown);
    }
    void hideDeclarations() override { view_.hideDeclarations(); }
    void drawScoreSheet(const ScoreSheet& sheet) override { view_.drawScoreSheet(sheet); }
    void updateMenus(const MenuState& menus) override { view_.updateMenus(menus); }
    void playSound(Sound sound) override { view_.playSound(sound); }
    void saveConfig(const StoredGame& stored) override { view_.saveConfig(stored); }

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

    TableView& view_;
    PlayerInput& input_;
    const GameState& g_;
    MatchRecord& record_;
    long waits_ = 0;
};

}  // namespace morvello
