#include "match/human_input.h"

namespace morvello {
namespace {

int leadSuitOf(const GameState& g) {
    return Seme(g.tableCards[g.leaderSeat]);
}

}  // namespace

bool isLegalPlay(const GameState& g, Byte card) {
    if (g.leaderSeat == 1) return true;
    const int lead = leadSuitOf(g);
    if (Seme(card) == lead) return true;
    for (int slot = 1; slot <= 10; ++slot) {
        const int entry = g.hands[1][slot];
        if (!isPlayed(entry) && Seme(entry) == lead) return false;
    }
    return true;
}

std::string refusalMessage(const GameState& g) {
    return "You have " + suitNames[leadSuitOf(g)];
}

void playHumanCard(GameState& g, Table& table, Byte card) {
    for (int slot = 1; slot <= 10; ++slot) {
        if (g.hands[1][slot] == card) g.chosenSlot = static_cast<Byte>(slot);
    }
    g.refusedPlay = 0;
    g.cardToPlay = card;
    table.playSound(0);
    g.jolly[card] = false;
    g.hands[1][g.chosenSlot] += kPlayedMark;
}

}  // namespace morvello
