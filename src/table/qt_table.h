// The match controller's table on the window: real timers, animations and clicks
// on the table scene. The input handlers of the table's items and of the
// window's menus come here and end the controller's waits.
#pragma once

#include <QObject>
#include <QPointer>

#include "match/table.h"
#include "table/table_host.h"
#include "table/table_scene.h"
#include "table/waits.h"

#include <QMessageBox>

namespace morvello {

class QtTable final : public Table {
  public:
    QtTable(GameState& g, TableScene& scene, TableHost& host);
    ~QtTable() override;

    // Multiplies every delay and animation; 0 completes them at once (tests).
    void setDelayScale(double scale) { delayScale_ = scale; }
    // Draws the dealer choice's cards and answers its messages by itself (benchmarks).
    void setAutoDraw(bool on) { autoDraw_ = on; }
    // Called whenever the controller starts waiting for the human's card.
    std::function<void()> onHumanTurn;

    // ---- Table: waits
    Wait<> ritardo(double units) override;
    Wait<> slideCard(Byte card, Point to) override;
    Wait<> squeezeCard(Byte card, Point to) override;
    Wait<> stepCard(Byte card, double dx, double dy, int steps, int intervalMs) override;
    Wait<> showMessage(const std::string& text) override;
    Wait<> waitForDeckClick() override;
    Wait<Byte> waitForHumanCard() override;
    Wait<int> waitForSignalChoice() override;
    Wait<> waitForCommand() override;
    Wait<> waitWhileRulesShown() override;

    // ---- Table: presentation
    void clearDrawing() override;
    void drawNames() override;
    void paintBack(Byte seat, int slot) override;
    void repaintBacks(Byte seat) override;
    void drawScoreSheet(bool gameOver) override;
    void placeCard(Byte card, Point topLeft) override;
    void bringToFront(Byte card) override;
    void sendToBack(Byte card) override;
    void parkAllCards(Point where) override;
    void showDeck(bool shown) override;
    void showTitle(bool shown) override;
    void showDeclaration(Byte seat, const std::string& caption) override;
    void hideDeclarations() override;
    void updateMenus() override { host_.updateMenus(); }
    void playSound(int segment) override { host_.playSound(segment); }
    void saveConfig() override { host_.saveConfig(); }

    // ---- input
    void dorsov_Click();
    void carta_MouseDown(int card, Qt::MouseButton button);
    void carta_MouseUp(int card, Qt::MouseButton button);
    void List1_Click(int item);
    void Form_MouseDown();
    // Continue, New Game or the replay request was given (the state says which).
    void commandGiven();
    // The names were confirmed during the dealer choice: the choice starts again.
    void dealerChoiceChanged();

    // ---- the rules and about panels
    void menu_rules_Click();
    void menu_about_Click();
    void hideRules();
    void hideAbout();
    bool rulesShown() const;
    bool aboutShown() const;

    // ---- what the controller waits for now (tests, benchmarks)
    bool waitingForDeck() const { return deck_.waiting(); }
    bool waitingForHumanCard() const { return humanCard_.waiting(); }
    bool waitingForSignal() const { return signal_.waiting(); }
    bool waitingForCommand() const { return command_.waiting(); }
    QMessageBox* openMessage() const { return message_; }

  private:
    int paceMs(double units) const;
    void parkSignalList(double x);
    void layOutHumanHand();
    Task<> delay(int ms);
    Task<> animate(int ms, std::function<void(double)> frame);
    Task<> ticks(int intervalMs, int count, std::function<void()> tick);
    Task<> message(QString text);
    Task<> deckClick();
    Task<Byte> humanCard();
    Task<int> signalChoice();
    Task<> command();
    Task<> rulesClosed();

    GameState& g_;
    TableScene& scene_;
    TableHost& host_;
    QObject context_;  // owns the timers and animations of the waits
    double delayScale_ = 1;
    bool autoDraw_ = false;
    InputSlot<int> deck_;
    InputSlot<Byte> humanCard_;
    InputSlot<int> signal_;
    InputSlot<int> command_;
    InputSlot<int> rules_;
    QPointer<QMessageBox> message_;
};

}  // namespace morvello
