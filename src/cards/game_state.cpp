#include "cards/game_state.h"

#include <utility>

namespace morvello {

int& dealScore(GameState& g, int couple) {
    auto& column = couple == 0 ? g.dealScoreA : g.dealScoreB;
    if (static_cast<int>(column.size()) <= g.dealNumber) column.resize(g.dealNumber + 1, 0);
    return column[g.dealNumber];
}

void Azzera(GameState& g) {
    g.cardsPlayed = 0;
    g.trickNumber = 0;
    g.cardToPlay = 0;
    g.dealNumber = 1;
    g.phase = Phase::None;
    g.continueRequested = false;
    g.trickSignals = {};
    g.returnSuit = {};
    g.drawValues = {};
    g.tableCards = {};
    g.trickBySeat = {};
    g.seatOrder = {};
    g.topDealt = {};
    g.declPoints = {};
    g.dealScoreA.assign(1, 0);
    g.dealScoreB.assign(1, 0);
    g.hands = {};
    g.declSlots = {};
    g.holdMap = {};
    g.matchTotal = {};
}

void ord_massimo(GameState& g) {
    g.dealerSeat = 0;
    for (int i = 1; i <= 4; ++i) g.seatOrder[i] = static_cast<Byte>(i);
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 2; i <= 4; ++i) {
            if (g.drawValues[i] < g.drawValues[i - 1]) {
                std::swap(g.drawValues[i], g.drawValues[i - 1]);
                std::swap(g.seatOrder[i], g.seatOrder[i - 1]);
                swapped = true;
            }
        }
    }
    if (g.drawValues[4] != g.drawValues[3]) g.dealerSeat = g.seatOrder[4];
}

Byte Trovo_Carta(const GameState& g, int value, int suit) {
    const int wanted = cardCode(suit, value);
    const auto& hand = g.hands[g.turnSeat];
    for (Byte slot = 1; slot <= 10; ++slot) {
        if (hand[slot] == wanted) return slot;  // a played entry is above 100: never equal
    }
    return 0;
}

void rebuildHoldMap(GameState& g) {
    g.holdMap = {};
    for (int seat = 1; seat <= 4; ++seat) {
        for (int slot = 1; slot <= 10; ++slot) {
            const int card = g.hands[seat][slot];
            if (card < 1 || card > kCardCount) continue;
            markHeld(g, static_cast<Byte>(seat), static_cast<Byte>(card));
        }
    }
}

void playFromSlot(GameState& g, Byte seat, Byte slot) {
    const Byte card = g.hands[seat][slot];
    markGone(g, seat, card);
    g.hands[seat][slot] = static_cast<Byte>(card + kPlayedMark);
}

}  // namespace morvello
