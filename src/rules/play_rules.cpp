#include "rules/play_rules.h"

#include "cards/play_signal.h"

namespace morvello {

int leadSuitOf(const GameState& g) {
    return suitOf(g.tableCards[g.leaderSeat]);
}

namespace {

// From the first card of the last trick on, no signal is shown.
inline constexpr int kCardsBeforeLastTrick = 36;

// A knock is shown on any card but a 3.
bool knockShown(const GameState& g, Byte signal) {
    return signal == kBusso && valueOf(g.cardToPlay) != 3;
}

// A follower's Volo and Striscio are shown only when every
// player may declare.
bool holdingSignalShown(const GameState& g, Byte signal) {
    const bool holding = signal == kVolo || signal == kStriscio;
    return holding && (g.allowAllDeclare != kOnlyLeaderDeclares || g.turnSeat == g.leaderSeat);
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

// The signal of turnSeat's card that the table shows: a knock unless on the last
// trick or on a 3; a fling or creep unless on the last trick or, when only the
// leader may declare, by a follower. kNoSignal when nothing is shown.
Byte shownSignal(const GameState& g) {
    const Byte signal = g.trickSignals[g.turnSeat];
    const bool shown = g.cardsPlayed <= kCardsBeforeLastTrick &&
                       (knockShown(g, signal) || holdingSignalShown(g, signal));
    return shown ? signal : kNoSignal;
}

}  // namespace morvello
