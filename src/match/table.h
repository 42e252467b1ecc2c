// The table as the match controller sees it: presentation and input operations.
//
// Two implementations: the window (src/app, src/table) with real timers, slides
// and clicks, and the headless table (match/headless_table.h), where every wait
// completes at once. Positions are table units of the 800 x 600 table, top-left
// corners. Presentation calls return at once; waits are awaited with co_await.
#pragma once

#include <string>

#include "cards/game_state.h"
#include "match/task.h"

namespace morvello {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Off-table parking places of card images.
inline constexpr Point kParkedForDeal{2500, 2500};
inline constexpr Point kParkedAfterTrick{1500, 1500};

class Table {
  public:
    virtual ~Table() = default;

    // ---- waits
    // Paced delay: units x 30500 / rateFactor milliseconds.
    virtual Wait<> ritardo(double units) = 0;
    // Slides a card image from where it lies to `to` through 600 positions.
    virtual Wait<> slideCard(Byte card, Point to) = 0;
    // Slides a card image on to `to` through 600 positions while squeezing its
    // width edge-on; afterwards its width and picture are restored.
    virtual Wait<> squeezeCard(Byte card, Point to) = 0;
    // Moves a card image `steps` times by (dx, dy), one step per timer tick of
    // `intervalMs` milliseconds (the play-signal movements).
    virtual Wait<> stepCard(Byte card, double dx, double dy, int steps, int intervalMs) = 0;
    // A modal message with an OK button, titled with the program's title.
    virtual Wait<> showMessage(const std::string& text) = 0;
    // Returns when the deck is clicked during the dealer choice, or when the choice
    // must look at its state again: "Repeat the last hand" was checked, or the
    // player names were confirmed (phase SceltaCartaroAgain).
    virtual Wait<> waitForDeckClick() = 0;
    // The card of the human's hand that was left-clicked while inputLock was 0.
    virtual Wait<Byte> waitForHumanCard() = 0;
    // The human's play signal after a lead: 0..3 chosen from the list, or -1 when
    // the card on the table was left-clicked to go on without a signal.
    virtual Wait<int> waitForSignalChoice() = 0;
    // Returns when the player chose Continue, New Game or Repeat the last hand
    // (the flags and check mark in the state say which), or quitRequested is set.
    virtual Wait<> waitForCommand() = 0;
    // Returns when the rules panel is not shown.
    virtual Wait<> waitWhileRulesShown() = 0;

    // ---- presentation
    virtual void clearDrawing() = 0;                  // names, painted backs, score sheet
    virtual void drawNames() = 0;                     // the four names, turnSeat's in white
    virtual void paintBack(Byte seat, int slot) = 0;  // a back of a computer hand at its slot
    virtual void repaintBacks(Byte seat) = 0;  // the seat's band with backs of held slots only
    virtual void drawScoreSheet(bool gameOver) = 0;
    virtual void placeCard(Byte card, Point topLeft) = 0;  // card image, face up
    virtual void bringToFront(Byte card) = 0;
    virtual void sendToBack(Byte card) = 0;
    virtual void parkAllCards(Point where) = 0;  // all 40 images, full width, visible
    virtual void showDeck(bool shown) = 0;       // the deck image at the table centre
    virtual void showTitle(bool shown) = 0;      // the title picture
    virtual void showDeclaration(Byte seat, const std::string& caption) = 0;
    virtual void hideDeclarations() = 0;
    virtual void updateMenus() = 0;           // mirror state.menus into the menus
    virtual void playSound(int segment) = 0;  // 0 card, 1 fling, 2 knock, 3 creep, 4 tie
    virtual void saveConfig() = 0;            // Set_Write
    virtual bool seatOneIsComputer() const { return false; }

    // ---- what happened, for traces and tests (the window ignores them)
    virtual void onMatchStart() {}
    virtual void onDraw(Byte /*seat*/, Byte /*card*/) {}
    virtual void onTie() {}
    virtual void onDealer(Byte /*seat*/) {}
    virtual void onDeal(bool /*replay*/) {}
    virtual void onDeclarations() {}
    virtual void onPlay(Byte /*seat*/, Byte /*card*/) {}
    virtual void onTrick(Byte /*winner*/, int /*thirds*/) {}
    virtual void onResult(int /*lastTrickCouple*/) {}
    virtual void onGameOver(int /*winnerCouple*/, int /*totalA*/, int /*totalB*/) {}
};

}  // namespace morvello
