#include "rules/play_rules.h"

namespace morvello {
namespace {

int leadSuitOf(const GameState& g) {
    return suitOf(g.tableCards[g.leaderSeat]);
}

}  // namespace

bool holdsUnplayed(const GameState& g, Byte seat, Byte card) {
    if (card < 1 || card > kCardCount) return false;
    for (int slot = 1; slot <= 10; ++slot) {
        if (g.hands[seat][slot] == card) return true;
    }
    return false;
}

bool isLegalPlay(const GameState& g, Byte seat, Byte card) {
    if (g.leaderSeat == seat) return true;
    const int lead = leadSuitOf(g);
    if (suitOf(card) == lead) return true;
    for (int slot = 1; slot <= 10; ++slot) {
        const int entry = g.hands[seat][slot];
        if (!isPlayed(entry) && suitOf(entry) == lead) return false;
    }
    return true;
}

std::string refusalMessage(const GameState& g) {
    return "You have " + suitNames[leadSuitOf(g)];
}

void noteLackedSuit(GameState& g, Byte seat, Byte card) {
    if (seat == g.leaderSeat || card == 0) return;
    const int lead = leadSuitOf(g);
    const unsigned lacks = suitOf(card) != lead ? 1 : 0;
    g.lackedSuits[seat] |= static_cast<Byte>(lacks << lead);
}

void playFromHand(GameState& g, Byte seat, Byte card) {
    for (int slot = 1; slot <= 10; ++slot) {
        if (g.hands[seat][slot] == card) g.chosenSlot = static_cast<Byte>(slot);
    }
    g.refusedPlay = 0;
    g.cardToPlay = card;
    playFromSlot(g, seat, g.chosenSlot);
}

}  // namespace morvello
