// finishDeal: the deal is settled, the score sheet drawn, and the Game menu set
// for what may follow.
#include "match/procedures.h"
#include "rules/settlement.h"

namespace morvello {

void finishDeal(GameState& g, MatchIo& io) {
    settleDeal(g);
    io.events.onResult(g, coupleOf(g.turnSeat));
    g.continueRequested = false;
    g.newGameRequested = false;
    const bool over = isMatchOver(g);
    io.view.drawScoreSheet(scoreSheetOf(g, over));
    if (over) {
        io.events.onGameOver(g, leadingCouple(g), g.matchTotal[0], g.matchTotal[1]);
        g.menus.newGameEnabled = true;
        g.menus.allowDeclareEnabled = true;
        g.menus.scoreEnabled = true;
        g.menus.continueEnabled = false;
        g.matchTotal = {};
    } else {
        g.menus.continueEnabled = true;
        g.menus.replayEnabled = true;
    }
    io.view.updateMenus(g.menus);
}

}  // namespace morvello
