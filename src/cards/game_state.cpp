#include "cards/game_state.h"

#include <algorithm>
#include <utility>

namespace morvello {

void growDealScores(GameState& g) {
    const std::size_t size = std::max<std::size_t>(g.dealNumber + 1, g.dealScoreA.size());
    g.dealScoreA.resize(size, 0);
    g.dealScoreB.resize(size, 0);
}

void restoreStored(GameState& g, const StoredGame& stored) {
    static_cast<StoredGame&>(g) = stored;
    g.noReplayDeck = true;
}

void resetMatch(GameState& g) {
    g.cardsPlayed = 0;
    g.trickNumber = 0;
    g.cardToPlay = 0;
    g.dealNumber = 1;
    g.phase = Phase::None;
    g.continueRequested = false;
    g.trickSignals = {};
    g.returnSuit = {};
    g.lackedSuits = {};
    g.voloSuits = {};
    g.striscioSuits = {};
    g.drawValues = {};
    g.tableCards = {};
    g.trickBySeat = {};
    g.seatOrder = {};
    g.topDealt = {};
    g.declPoints = {};
    g.dealScoreA.assign(1, 0);
    g.dealScoreB.assign(1, 0);
    g.hands = {};
    g.playedCards = {};
    g.slotOf = {};
    g.declSlots = {};
    g.holdMap = {};
    g.matchTotal = {};
}

void decideDealer(GameState& g) {
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

void rebuildHoldMap(GameState& g) {
    g.holdMap = {};
    g.playedCards = {};
    for (Byte seat = 1; seat <= 4; ++seat) {
        for (int slot = 1; slot <= 10; ++slot) {
            const int entry = g.hands[seat][slot];
            const int card = isPlayed(entry) ? entry - kPlayedMark : entry;
            if (card < 1 || card > kCardCount) continue;
            g.slotOf[card] = static_cast<Byte>(slot);
            if (isPlayed(entry))
                g.playedCards[seat] |= cardBit(card);
            else
                markHeld(g, seat, static_cast<Byte>(card));
        }
    }
}

void playFromSlot(GameState& g, Byte seat, Byte slot) {
    const Byte card = g.hands[seat][slot];
    markGone(g, seat, card);
    g.playedCards[seat] |= cardBit(card);
    g.hands[seat][slot] = static_cast<Byte>(card + kPlayedMark);
}

}  // namespace morvello
