// The headless table of morvello-sim: the Game menu answered by the run's
// options (Continue, the replays asked for, New Game until the matches are
// played, then Quit), and the deals counted.
#pragma once

#include <set>

#include "match/headless_table.h"
#include "match/match_observer.h"
#include "sim_options.h"

namespace morvello::sim {

class SimTable final : public HeadlessTable, public MatchObserver {
  public:
    explicit SimTable(const SimOptions& options);

    long dealsDealt() const { return dealsDealt_; }

    void onMatchStart(const GameState&) override { replayedThisMatch_.clear(); }
    void onDeal(const GameState&, bool) override { ++dealsDealt_; }
    void onGameOver(const GameState&, int, int, int) override;

  private:
    Command nextCommand(const GameState& g);

    const SimOptions& options_;
    long matchesOver_ = 0;
    long dealsDealt_ = 0;
    bool matchJustOver_ = false;
    std::set<int> replayedThisMatch_;
};

}  // namespace morvello::sim
