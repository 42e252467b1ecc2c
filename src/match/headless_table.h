// The table with nothing to show: every delay and movement is over at once, and
// the player's answers come from policies. With it a whole match runs as plain
// calls (the headless runner, the tests).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "match/table.h"

namespace morvello {

class HeadlessTable : public Table {
  public:
    explicit HeadlessTable(GameState& g) : g_(g) {}

    // The human's card when seat 1 is played by a person: default, the first
    // legal card of the hand in slot order.
    std::function<Byte(GameState&)> humanCard;
    // The human's signal after a lead: default -1 (go on without one).
    std::function<int(GameState&)> signalChoice;
    // Sets the command flags after a deal: default Continue, or New Game once the
    // match is over. A policy that sets nothing ends the run (quitRequested).
    std::function<void(GameState&)> command;
    // Seat 1 is played by the computer strategy, through the computer's turns.
    bool computerAtSeatOne = false;

    std::vector<std::string> messages;  // every message shown, in order

    Wait<> ritardo(double) override { return {}; }
    Wait<> slideCard(Byte, Point) override { return {}; }
    Wait<> squeezeCard(Byte, Point) override { return {}; }
    Wait<> stepCard(Byte, double, double, int, int) override { return {}; }
    Wait<> showMessage(const std::string& text) override;
    Wait<> waitForDeckClick() override { return {}; }
    Wait<Byte> waitForHumanCard() override;
    Wait<int> waitForSignalChoice() override;
    Wait<> waitForCommand() override;
    Wait<> waitWhileRulesShown() override { return {}; }

    void clearDrawing() override {}
    void drawNames() override {}
    void paintBack(Byte, int) override {}
    void repaintBacks(Byte) override {}
    void drawScoreSheet(bool) override {}
    void placeCard(Byte, Point) override {}
    void bringToFront(Byte) override {}
    void sendToBack(Byte) override {}
    void parkAllCards(Point) override {}
    void showDeck(bool) override {}
    void showTitle(bool) override {}
    void showDeclaration(Byte, const std::string&) override {}
    void hideDeclarations() override {}
    void updateMenus() override {}
    void playSound(int) override {}
    void saveConfig() override {}
    bool seatOneIsComputer() const override { return computerAtSeatOne; }

  protected:
    GameState& g_;
};

// The first card of the human's hand, in slot order, that may be played now.
Byte firstLegalCard(const GameState& g);

}  // namespace morvello
