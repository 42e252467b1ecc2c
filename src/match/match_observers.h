// Every listener of a match, told each event in the order they were added.
#pragma once

#include <vector>

#include "match/match_observer.h"

namespace morvello {

class MatchObservers final : public MatchObserver {
  public:
    void add(MatchObserver& observer) { list_.push_back(&observer); }

    void onMatchStart(const GameState& g) override {
        for (auto* o : list_) o->onMatchStart(g);
    }
    void onDraw(const GameState& g, Byte seat, Byte card) override {
        for (auto* o : list_) o->onDraw(g, seat, card);
    }
    void onTie(const GameState& g) override {
        for (auto* o : list_) o->onTie(g);
    }
    void onDealer(const GameState& g, Byte seat) override {
        for (auto* o : list_) o->onDealer(g, seat);
    }
    void onDealing(const GameState& g) override {
        for (auto* o : list_) o->onDealing(g);
    }
    void onDeal(const GameState& g, bool replay) override {
        for (auto* o : list_) o->onDeal(g, replay);
    }
    void onDeclarations(const GameState& g) override {
        for (auto* o : list_) o->onDeclarations(g);
    }
    void onDeclarationsShown(const GameState& g, Byte seat) override {
        for (auto* o : list_) o->onDeclarationsShown(g, seat);
    }
    void onPlay(const GameState& g, Byte seat, Byte card) override {
        for (auto* o : list_) o->onPlay(g, seat, card);
    }
    void onSignalChosen(const GameState& g, Byte signal) override {
        for (auto* o : list_) o->onSignalChosen(g, signal);
    }
    void onTrick(const GameState& g, Byte winner, int thirds) override {
        for (auto* o : list_) o->onTrick(g, winner, thirds);
    }
    void onResult(const GameState& g, int lastTrickCouple) override {
        for (auto* o : list_) o->onResult(g, lastTrickCouple);
    }
    void onGameOver(const GameState& g, int winner, int totalA, int totalB) override {
        for (auto* o : list_) o->onGameOver(g, winner, totalA, totalB);
    }
    void onTakeBack(const GameState& g) override {
        for (auto* o : list_) o->onTakeBack(g);
    }

  private:
    std::vector<MatchObserver*> list_;
};

}  // namespace morvello
