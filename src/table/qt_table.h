// The match controller's table on the window: what the controller hands over
// is shown with real timers and animations on the table scene, and the
// player's clicks end the controller's waits. Besides what it is handed, it
// reads only its viewer's view of the game.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <functional>

#include "match/player_input.h"
#include "match/table_view.h"
#include "qt_waits/waits.h"
#include "rules/seat_view.h"
#include "table/card_marks.h"
#include "table/status_line.h"
#include "table/table_geometry.h"
#include "table/table_host.h"
#include "table/table_scene.h"

namespace morvello {

class QtTable final : public TableView, public PlayerInput {
  public:
    QtTable(TableScene& scene, TableHost& host);
    ~QtTable() override;

    // Where the table reads a seat's view of the game as it stands (the
    // match's), for its pace and its input handlers.
    void watch(std::function<SeatView(Byte seat)> views) { views_ = std::move(views); }

    const TableGeometry& geometry() const { return geometry_; }
    // The seat the table is shown from: its hand fanned at the bottom, its
    // partner at the top, the next seat on the right. Seat 1 unless told.
    void setViewer(Byte seat) { viewer_ = seat; }
    Byte viewer() const { return viewer_; }
    // Where a seat sits as the viewer sees the table: 1 bottom, 2 right, 3 top, 4 left.
    Byte placeOf(Byte seat) const { return static_cast<Byte>((seat - viewer_ + 4) % 4 + 1); }
    // The seat sitting at a place.
    Byte seatAt(Byte place) const { return static_cast<Byte>((place + viewer_ + 2) % 4 + 1); }
    // What the viewer sees of the game now.
    SeatView view() const { return views_(viewer_); }
    // The viewer's cards as laid out, slot by slot (played ones included).
    const Hand& fan() const { return fan_; }
    CardMarks& marks() { return marks_; }

    // Multiplies every delay and animation; 0 completes them at once (tests).
    void setDelayScale(double scale) { delayScale_ = scale; }
    // Draws the dealer choice's cards and answers its messages by itself (benchmarks).
    void setAutoDraw(bool on) { autoDraw_ = on; }
    // Called whenever the controller starts waiting for the human's card.
    std::function<void()> onHumanTurn;
    // Called whenever the controller starts waiting for the player.
    std::function<void(Awaited)> onWait;

    // ---- TableView
    Wait<> delay(double units) override;
    Wait<> thinkDuring(double units, std::function<void()> think) override;
    Wait<> showMessage(const TableMessage& message) override;
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override;
    Wait<> dealPacket(Byte seat, const Hand& packet) override;
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override;
    Wait<> gatherTrick(const GatheredTrick& trick) override;
    void clearDrawing() override;
    void drawNames(const std::array<std::string, 4>& names, Byte turnSeat) override;
    void showTitle(bool shown) override;
    void showDeck(bool shown) override;
    void parkAllCards() override;
    void parkCard(Byte card, Parking where) override;
    void showDrawnCard(Byte seat, Byte card) override;
    void layOutHand(Byte seat, const Hand& hand) override;
    void cardToStart(Byte seat, Byte card, const Hand& hand) override;
    void showDeclaration(Byte seat, const ShownDeclarations& shown) override;
    void hideDeclarations() override;
    void drawScoreSheet(const ScoreSheet& sheet) override;
    void updateMenus(const MenuState& menus) override { host_.updateMenus(menus); }
    void playSound(Sound sound) override { host_.playSound(sound); }
    void saveConfig(const StoredGame& stored) override { host_.saveConfig(stored); }

    // ---- PlayerInput
    Wait<DeckInput> deckInput() override;
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

    // ---- input
    void onDeckClick();
    void onCardPress(int card, Qt::MouseButton button);
    void onCardRelease(int card, Qt::MouseButton button);
    void pickLateSignal(int item);
    void onTableClick();
    // A command of the Game menu; false when the controller was not waiting for one.
    bool commandGiven(Command command);
    // The dealer choice must look at the state again (the names were confirmed).
    void dealerChoiceChanged();
    // What the person had begun at the table is put away (the signal list
    // open, a card lifted): the match is played again from its record.
    void dropStartedInput();

    // ---- the rules and about panels
    void showRules();
    void showAbout();
    void hideRules();
    void hideAbout();
    bool rulesShown() const;
    bool aboutShown() const;

    // ---- what the controller waits for now (tests, benchmarks)
    bool waitingForDeck() const { return deck_.waiting(); }
    bool waitingForHumanCard() const { return humanCard_.waiting(); }
    bool waitingForSignal() const { return signal_.waiting(); }
    bool waitingForCommand() const { return command_.waiting(); }
    // The signal list lies beside the card just led, open for a choice.
    bool signalListOpen() const;
    QMessageBox* openMessage() const { return message_; }

  private:
    int paceMs(double units) const;
    void placeCard(Byte card, Point topLeft);
    void waitStarts(Awaited what);
    void paintBack(Byte seat, int slot);
    void parkSignalList(double x);
    bool isCardJustPlayed(int card) const;
    Wait<> slideCard(Byte card, Point to);
    Wait<> squeezeCard(Byte card, Point to);
    Wait<> stepCard(Byte card, double dx, double dy, int steps, int intervalMs);
    Task<> showBusso(Byte card);
    Task<> showVolo(Byte seat, Byte card);
    Task<> showStriscio(Byte card);
    Task<> signalThenTable(Byte seat, Byte card, Byte signal, bool pauseAfter);
    Task<> gathering(GatheredTrick trick);
    Task<> dealing(Byte seat, Hand packet);
    void dealCard(Byte seat, int slot, Byte card);
    Task<> waitMs(int ms);
    Task<> thinking(int ms, QFuture<void> thought);
    Task<> animate(int ms, std::function<void(double)> frame);
    Task<> ticks(int intervalMs, int count, std::function<void()> tick);
    Task<> message(QString text);
    Task<DeckInput> deckWait();
    Task<Byte> humanCardWait();
    Task<int> signalWait();
    Task<Command> commandWait();
    Task<> rulesClosed();

    std::function<SeatView(Byte)> views_;
    TableScene& scene_;
    TableHost& host_;
    TableGeometry geometry_;
    CardMarks marks_;
    QObject context_;  // owns the timers and animations of the waits
    double delayScale_ = 1;
    bool autoDraw_ = false;
    int rightPressedCard_ = 0;  // the card lifted by a right press, until its release
    Byte viewer_ = 1;
    Hand fan_{};  // the human's cards as laid out, slot by slot
    InputSlot<DeckInput> deck_;
    InputSlot<Byte> humanCard_;
    InputSlot<int> signal_;
    InputSlot<Command> command_;
    InputSlot<int> rules_;
    QPointer<QMessageBox> message_;
};

}  // namespace morvello
