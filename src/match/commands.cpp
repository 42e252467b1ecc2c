#include "match/commands.h"

namespace morvello {

ReplayAnswer replayAnswer(const GameState& g) {
    if (g.noReplayDeck) return ReplayAnswer::Refused;
    if (g.dealNumber > 1) return ReplayAnswer::Confirm;
    return ReplayAnswer::Nothing;
}

void applyCommand(GameState& g, MatchIo& io, Command command) {
    switch (command) {
        case Command::Continue:
            if (!g.menus.continueEnabled) return;
            g.continueRequested = true;
            io.view.showDeck(true);
            break;
        case Command::NewGame:
            if (!g.menus.newGameEnabled) return;
            g.newGameRequested = true;
            break;
        case Command::Replay:
            if (!g.menus.replayEnabled || replayAnswer(g) != ReplayAnswer::Confirm) return;
            g.menus.replayChecked = true;
            break;
        case Command::Quit:
            g.quitRequested = true;
            break;
    }
    io.view.updateMenus(g.menus);
}

}  // namespace morvello
