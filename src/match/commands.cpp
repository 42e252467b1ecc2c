#include "match/commands.h"

namespace morvello {

void continue_Click(GameState& g, Table& table) {
    g.continueRequested = true;
    table.showDeck(true);
}

void menu_NewGame_Click(GameState& g) {
    g.newGameRequested = true;
}

ReplayAnswer menu_replay_Click(const GameState& g) {
    if (g.noReplayDeck) return ReplayAnswer::Refused;
    if (g.dealNumber > 1) return ReplayAnswer::Confirm;
    return ReplayAnswer::Nothing;
}

void confirmReplay(GameState& g) {
    g.menus.replayChecked = true;
}

}  // namespace morvello
