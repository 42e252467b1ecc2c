#include "sim_table.h"

#include "match/commands.h"

namespace morvello::sim {

SimTable::SimTable(const SimOptions& options) : options_(options) {
    chooseCommand = [this](const GameState& g) { return nextCommand(g); };
}

void SimTable::onGameOver(const GameState&, int, int, int) {
    ++matchesOver_;
    matchJustOver_ = true;
}

Command SimTable::nextCommand(const GameState& g) {
    if (matchJustOver_) {
        matchJustOver_ = false;
        return matchesOver_ < options_.matches ? Command::NewGame : Command::Quit;
    }
    const int deal = g.dealNumber;
    if (deal > 1 && options_.replays.count(deal) && !replayedThisMatch_.count(deal)) {
        replayedThisMatch_.insert(deal);
        if (menu_replay_Click(g) == ReplayAnswer::Confirm) return Command::Replay;
    }
    return Command::Continue;
}

}  // namespace morvello::sim
