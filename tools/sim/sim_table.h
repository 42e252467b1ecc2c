// The headless table of morvello-sim: the Game menu answered by the run's
// options (Continue, the replays asked for, New Game until the matches are
// played, then Quit). The menu is asked once after every deal, so the answers
// count the deals.
#pragma once

#include <set>

#include "match/headless_table.h"
#include "sim_options.h"

namespace morvello::sim {

class SimTable final : public HeadlessTable {
  public:
    explicit SimTable(const SimOptions& options);

    long dealsDealt() const { return dealsDealt_; }

  private:
    Command nextCommand(const GameState& g);

    const SimOptions& options_;
    long matchesOver_ = 0;
    long dealsDealt_ = 0;
    std::set<int> replayedThisMatch_;
};

}  // namespace morvello::sim
