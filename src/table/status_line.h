// The status line under the table: one short sentence of what the game waits for
// or has just done, in the player's language (context "Status"). It listens to
// the controller's events and is told when the table starts a wait; the window
// shows the sentence.
#pragma once

#include <functional>
#include <string>

#include "match/match_observer.h"
#include "rules/seat_view.h"
#include "rules/settlement.h"

namespace morvello {

// What the table waits for from the player.
enum class Awaited { DeckDraw, HumanCard, Signal, Command };

// How the player plays: the sentences name the keys to a player who used a key
// last, the clicks to one who clicked.
enum class InputWay { Mouse, Keys };

// The sentence of a wait, from what the seat sees when the wait starts.
std::string waitSentence(const SeatView& v, Awaited what, InputWay way = InputWay::Mouse);
// "You deal", "Right deals": the dealer of the deal about to be dealt.
std::string dealerSentence(const SeatView& v, Byte dealer);
// "Partner won the trick: 1 point"
std::string trickSentence(const SeatView& v, Byte winner, int thirds);
// "GAME OVER: You-Partner win 22 to 18"
std::string gameOverSentence(const SeatView& v, int winnerCouple, int totalA, int totalB);
// "Right led the Six of Coppe with a Busso", "Left played the Ace of Spade".
std::string playSentence(const SeatView& v, Byte seat, Byte card, Byte shownSignal);
// "Deal 2: You-Partner 7, Right-Left 4. Totals 12 to 9"
std::string dealScoreSentence(const ScoreSheet& sheet);

// The sentences of one seat's player, from what the seat sees.
class StatusLine final : public MatchObserver {
  public:
    explicit StatusLine(Byte seat) : seat_(seat) {}

    const std::string& text() const { return text_; }
    // Told whenever the player clicks or presses a key on the table.
    void setInputWay(InputWay way) { way_ = way; }
    // Told by the table whenever it starts waiting for the player.
    void waiting(const SeatView& view, Awaited what);
    // Told when the last trick is shown again.
    void showingLastTrick(const SeatView& view, const std::array<Byte, 5>& bySeat, Byte winner);

    // Called with the new sentence whenever it changes.
    std::function<void(const std::string&)> onChange;

    void onMatchStart(const GameState&) override;
    void onTie(const GameState& g) override;
    void onDealer(const GameState& g, Byte seat) override;
    void onDealing(const GameState& g) override;
    void onDeclarationsShown(const GameState& g, Byte seat) override;
    void onSignalChosen(const GameState& g, Byte signal) override;
    void onPlay(const GameState& g, Byte seat, Byte card) override;
    void onTrick(const GameState& g, Byte winner, int thirds) override;
    void onResult(const GameState& g, int lastTrickCouple) override;
    void onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) override;

  private:
    void say(std::string text);

    Byte seat_;
    InputWay way_ = InputWay::Mouse;
    std::string text_;
    bool gameOver_ = false;  // the match is over: the sentence stays until the next starts
};

}  // namespace morvello
