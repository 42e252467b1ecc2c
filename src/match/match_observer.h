// What happened in a match, told by the controller to whoever listens: the
// runner's trace, the tests, and the window's own listeners. Each event comes
// with the state as it stands after it; observers only read.
#pragma once

#include "cards/game_state.h"

namespace morvello {

class MatchObserver {
  public:
    virtual ~MatchObserver() = default;

    virtual void onMatchStart(const GameState&) {}
    virtual void onDraw(const GameState&, Byte /*seat*/, Byte /*card*/) {}
    virtual void onTie(const GameState&) {}
    virtual void onDealer(const GameState&, Byte /*seat*/) {}
    // the cards are about to be dealt by dealerSeat
    virtual void onDealing(const GameState&) {}
    // deck, hands and dealer of the deal just dealt
    virtual void onDeal(const GameState&, bool /*replay*/) {}
    // declPoints and declSlots of the deal
    virtual void onDeclarations(const GameState&) {}
    // the seat's declarations shown in its label
    virtual void onDeclarationsShown(const GameState&, Byte /*seat*/) {}
    // a card on its way to the table; its signal so far in trickSignals
    virtual void onPlay(const GameState&, Byte /*seat*/, Byte /*card*/) {}
    // the human's signal chosen after leading
    virtual void onSignalChosen(const GameState&, Byte /*signal*/) {}
    virtual void onTrick(const GameState&, Byte /*winner*/, int /*thirds*/) {}
    virtual void onResult(const GameState&, int /*lastTrickCouple*/) {}
    virtual void onGameOver(const GameState&, int /*winnerCouple*/, int /*totalA*/,
                            int /*totalB*/) {}
    // the person took back a card: the match stands again as before it
    virtual void onTakeBack(const GameState&) {}
};

}  // namespace morvello
