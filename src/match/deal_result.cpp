// risultato: the deal is settled, the score sheet drawn, and the Game menu set
// for what may follow.
#include "match/procedures.h"
#include "scoring/settlement.h"

namespace morvello {

void risultato(GameState& g, Table& table) {
    settleDeal(g);
    table.onResult(coupleOf(g.turnSeat));
    g.continueRequested = false;
    g.newGameRequested = false;
    g.inputLock = 0;
    const bool over = isMatchOver(g);
    table.drawScoreSheet(over);
    if (over) {
        table.onGameOver(leadingCouple(g), g.matchTotal[0], g.matchTotal[1]);
        g.menus.newGameEnabled = true;
        g.menus.allowDeclareEnabled = true;
        g.menus.scoreEnabled = true;
        g.menus.continueEnabled = false;
        g.matchTotal = {};
    } else {
        g.menus.continueEnabled = true;
        g.menus.replayEnabled = true;
    }
    table.updateMenus();
}

}  // namespace morvello
