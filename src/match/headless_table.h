// The table with nothing to show: every delay and movement is over at once, and
// the player's answers come from policies. With it a whole match runs as plain
// calls (the headless runner, the tests).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "match/player_input.h"
#include "match/table_view.h"

namespace morvello {

class HeadlessTable : public TableView, public PlayerInput {
  public:
    // The match whose state the policies read (set before the match starts).
    void watch(const GameState& g) { g_ = &g; }

    // The human's card when seat 1 is played by a person: default, the first
    // legal card of the hand in slot order.
    std::function<Byte(const GameState&)> chooseCard;
    // The human's signal after a lead: default kNoSignalChosen (go on without one).
    std::function<int(const GameState&)> chooseSignal;
    // The command after a deal: default Continue, or New Game once the match is
    // over. The policy gives only commands whose menu item is enabled.
    std::function<Command(const GameState&)> chooseCommand;

    std::vector<TableMessage> messages;  // every message shown, in order

    // ---- TableView
    Wait<> delay(double) override { return {}; }
    Wait<> thinkDuring(double, std::function<void()> think) override {
        think();
        return {};
    }
    Wait<> showMessage(const TableMessage& message) override;
    Wait<> cardToTable(Byte, Byte, Byte, bool) override { return {}; }
    Wait<> dealPacket(Byte, const Hand&) override { return {}; }
    Wait<> cardPlayed(Byte, Byte, const Hand&, Byte, bool) override { return {}; }
    Wait<> gatherTrick(const GatheredTrick&) override { return {}; }
    void clearDrawing() override {}
    void drawNames(const std::array<std::string, 4>&, Byte) override {}
    void showTitle(bool) override {}
    void showDeck(bool) override {}
    void parkAllCards() override {}
    void parkCard(Byte, Parking) override {}
    void showDrawnCard(Byte, Byte) override {}
    void layOutHand(Byte, const Hand&) override {}
    void cardToStart(Byte, Byte, const Hand&) override {}
    void showDeclaration(Byte, const ShownDeclarations&) override {}
    void hideDeclarations() override {}
    void drawScoreSheet(const ScoreSheet&) override {}
    void updateMenus(const MenuState&) override {}
    void playSound(Sound) override {}
    void saveConfig(const StoredGame&) override {}

    // ---- PlayerInput
    Wait<DeckInput> deckInput() override { return DeckInput::Draw; }
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

  protected:
    const GameState& state() const { return *g_; }

  private:
    const GameState* g_ = nullptr;
};

// The first card of the human's hand, in slot order, that may be played now.
Byte firstLegalCard(const GameState& g);

}  // namespace morvello
