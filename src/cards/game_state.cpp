#include "cards/game_state.h"

#include <bit>
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
    if (isPlayed(wanted)) return 0;  // no unplayed entry can equal it
    // The matching slots as bits, then the lowest: no early exit to mispredict in
    // the computer players' every choice.
    const auto& hand = g.hands[g.turnSeat];
    unsigned matches = 0;
#pragma GCC unroll 10
    for (int s = 1; s <= 10; ++s) matches |= static_cast<unsigned>(hand[s] == wanted) << s;
    return static_cast<Byte>(matches == 0 ? 0 : std::countr_zero(matches));
}

void rebuildHoldMap(GameState& g) {
    g.holdMap = {};
    for (int seat = 1; seat <= 4; ++seat) {
        for (int slot = 1; slot <= 10; ++slot) {
            const int card = g.hands[seat][slot];
            if (card < 1 || card > kCardCount) continue;
            g.holdMap[seat][Seme(card)][ValCarta(card)] = '*';
        }
    }
}

}  // namespace morvello
