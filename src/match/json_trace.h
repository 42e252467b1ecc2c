// The events of a match as JSON Lines, one object a line: match, draw, tie,
// dealer, deal, decl, play, trick, result, gameover. What morvello-sim --trace
// prints, and what a deal is saved as.
#pragma once

#include <cstdio>
#include <string>

#include "match/match_observer.h"

namespace morvello {

class JsonTrace final : public MatchObserver {
  public:
    explicit JsonTrace(std::FILE* out) : out_(out) {}
    JsonTrace(const JsonTrace&) = delete;
    JsonTrace& operator=(const JsonTrace&) = delete;
    ~JsonTrace() override { flush(); }

    void flush();

    void onMatchStart(const GameState& g) override;
    void onDraw(const GameState& g, Byte seat, Byte card) override;
    void onTie(const GameState& g) override;
    void onDealer(const GameState& g, Byte seat) override;
    void onDeal(const GameState& g, bool replay) override;
    void onDeclarations(const GameState& g) override;
    void onPlay(const GameState& g, Byte seat, Byte card) override;
    void onTrick(const GameState& g, Byte winner, int thirds) override;
    void onResult(const GameState& g, int lastTrickCouple) override;
    void onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) override;

  private:
    void endEvent();  // ends the event line being built

    std::FILE* out_;
    std::string line_;
    std::string buffer_;
    long matchesStarted_ = 0;
};

}  // namespace morvello
