// A table that stands between the controller and another table: everything it
// is handed goes on to that table, and what stands between overrides only what
// it does otherwise (the recorder counts the waits, the replaying table answers
// them from a record).
#pragma once

#include "match/table_view.h"

namespace morvello {

class TableInBetween : public TableView {
  public:
    explicit TableInBetween(TableView& view) : view_(view) {}

    Wait<> delay(double units) override { return view_.delay(units); }
    Wait<> thinkDuring(double units, std::function<void()> think) override {
        return view_.thinkDuring(units, std::move(think));
    }
    Wait<> showMessage(const TableMessage& message) override { return view_.showMessage(message); }
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override {
        return view_.cardToTable(seat, card, shownSignal, pauseAfter);
    }
    Wait<> dealPacket(Byte seat, const Hand& packet) override {
        return view_.dealPacket(seat, packet);
    }
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override {
        return view_.cardPlayed(seat, card, hand, shownSignal, pauseAfter);
    }
    Wait<> gatherTrick(const GatheredTrick& trick) override { return view_.gatherTrick(trick); }
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

  protected:
    TableView& view_;
};

}  // namespace morvello
