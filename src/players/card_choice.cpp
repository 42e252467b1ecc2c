#include "players/card_choice.h"

#include "players/follow.h"
#include "players/lead.h"

namespace morvello {

void chooseComputerCard(GameState& g) {
    const Byte t = g.turnSeat;
    if (t == g.leaderSeat) {
        chooseLead(g);
    } else {
        chooseFollow(g);
    }
    const Byte card = g.chosenSlot >= 1 && g.chosenSlot <= 10 ? g.hands[t][g.chosenSlot] : 0;
    if (card < 1 || card > kCardCount) {
        g.cardToPlay = 0;
        return;
    }
    g.cardToPlay = card;
    playFromSlot(g, t, g.chosenSlot);
}

}  // namespace morvello
