#include "sim_table.h"

#include "match/commands.h"

namespace morvello::sim {

SimTable::SimTable(const SimOptions& options) : options_(options) {
    chooseCommand = [this](const GameState& g) { return nextCommand(g); };
}

// After the deal that ends a match, Continue is not offered.
Command SimTable::nextCommand(const GameState& g) {
    ++dealsDealt_;
    if (!g.menus.continueEnabled) {
        replayedThisMatch_.clear();
        return ++matchesOver_ < options_.matches ? Command::NewGame : Command::Quit;
    }
    const int deal = g.dealNumber;
    if (deal > 1 && options_.replays.count(deal) && !replayedThisMatch_.count(deal)) {
        replayedThisMatch_.insert(deal);
        if (replayAnswer(g) == ReplayAnswer::Confirm) return Command::Replay;
    }
    return Command::Continue;
}

}  // namespace morvello::sim
