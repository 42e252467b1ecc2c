#include "expert/playout.h"

#include <bit>

#include "cards/play_signal.h"
#include "players/card_choice.h"
#include "players/lead.h"
#include "players/queries.h"
#include "rules/settlement.h"
#include "rules/trick.h"

namespace morvello {
namespace {

// After a card is on the table: the trick decided after its fourth card.
void endOfPlay(GameState& g) {
    if (g.cardsPlayed % 4 != 0) {
        g.turnSeat = nextSeat(g.turnSeat);
        return;
    }
    ++g.trickNumber;
    resolveTrick(g);
    creditTrickPoints(g);
    g.trickSignals = {};
    g.tableCards = {};
}

void markDealtTops(GameState& g, Byte seat) {
    for (int slot = 1; slot <= 10; ++slot) {
        const int entry = g.hands[seat][slot];
        const int card = isPlayed(entry) ? entry - kPlayedMark : entry;
        if (card >= 1 && card <= kCardCount && valueOf(card) <= 3)
            g.topDealt[seat][valueOf(card)][suitOf(card)] = 1;
    }
}

// The knock of the partner, answered by a card other than the classic's.
void answerKnock(GameState& g, Byte card) {
    const Byte t = g.turnSeat;
    const Byte partner = g.partnerOf[t];
    g.leadSuit = suitOf(g.tableCards[partner]);
    g.trickSignals[partner] = kNoSignal;
    if (suitOf(card) == g.leadSuit && countHeld(g, g.leadSuit) >= 2) g.returnSuit[t] = g.leadSuit;
}

}  // namespace

GameState sampledState(const SeatKnowledge& k, const SampledHands& hands) {
    GameState g = k.seen;
    for (Byte s = 1; s <= 4; ++s) {
        if (s == k.seat) continue;
        CardSet left = hands[s];
        for (int slot = 1; slot <= 10 && left != 0; ++slot) {
            if (g.hands[s][slot] != 0) continue;
            const int card = std::countr_zero(left);
            left &= left - 1;
            g.hands[s][slot] = static_cast<Byte>(card);
        }
        markDealtTops(g, s);
    }
    rebuildHoldMap(g);
    return g;
}

void giveUpCard(GameState& g, Byte card, Byte classicCard) {
    if (card == classicCard) {
        chooseComputerCard(g);
        return;
    }
    const Byte t = g.turnSeat;
    const Byte suit = suitOf(card);
    if (t == g.leaderSeat) {
        g.leadSuit = suit;
        if (g.returnSuit[t] == suit) g.returnSuit[t] = 0;
        holdingSignal(g, suit);
    } else {
        g.leadSuit = suitOf(g.tableCards[g.leaderSeat]);
        if (g.trickSignals[g.partnerOf[t]] == kBusso) answerKnock(g, card);
        if (suit == suitOf(g.tableCards[g.leaderSeat])) holdingSignal(g, suit);
    }
    g.chosenSlot = g.slotOf[card];
    g.cardToPlay = card;
    playFromSlot(g, t, g.chosenSlot);
}

int playOutWith(GameState g, Byte card, Byte classicCard) {
    const int couple = coupleOf(g.turnSeat);
    giveUpCard(g, card, classicCard);
    g.tableCards[g.turnSeat] = g.cardToPlay;
    endOfPlay(g);
    while (g.cardsPlayed < kCardCount) {
        ++g.cardsPlayed;
        chooseComputerCard(g);
        g.tableCards[g.turnSeat] = g.cardToPlay;
        endOfPlay(g);
    }
    std::array<int, 2> score{wholeThirds(g.cardPoints[0]), wholeThirds(g.cardPoints[1])};
    score[coupleOf(g.turnSeat)] += kLastTrickThirds;
    return score[couple] - score[1 - couple];
}

}  // namespace morvello
