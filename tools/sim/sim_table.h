// The headless table of morvello-sim: seat 1 played by the computer, the Game
// menu answered by the run's options, and the trace written as JSON Lines.
#pragma once

#include <cstdio>
#include <set>
#include <string>

#include "match/headless_table.h"
#include "sim_options.h"

namespace morvello::sim {

class SimTable : public HeadlessTable {
  public:
    SimTable(GameState& g, const SimOptions& options, std::FILE* out);
    ~SimTable() override;

    long dealsDealt() const { return dealsDealt_; }

    void onMatchStart() override;
    void onDraw(Byte seat, Byte card) override;
    void onTie() override;
    void onDealer(Byte seat) override;
    void onDeal(bool replay) override;
    void onDeclarations() override;
    void onPlay(Byte seat, Byte card) override;
    void onTrick(Byte winner, int thirds) override;
    void onResult(int lastTrickCouple) override;
    void onGameOver(int winnerCouple, int totalA, int totalB) override;

  private:
    void chooseCommand(GameState& g);
    void emit();  // ends the event line being built
    void flush();

    const SimOptions& options_;
    std::FILE* out_;
    std::string line_;
    std::string buffer_;
    long matchesStarted_ = 0;
    long matchesOver_ = 0;
    long dealsDealt_ = 0;
    bool matchJustOver_ = false;
    std::set<int> replayedThisMatch_;
};

}  // namespace morvello::sim
