// A card played: shown beside its player, the human's signal after a lead, the
// signal shown, then the card on the table. A trick won: gathered and taken away.
#include "cards/play_signal.h"
#include "match/procedures.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

// From the first card of the last trick on, no signal is shown.
inline constexpr int kCardsBeforeLastTrick = 36;

bool humanChoosesSignal(const GameState& g, const MatchIo& io) {
    return g.turnSeat == 1 && !io.computerAtSeatOne && g.leaderSeat == 1 &&
           g.trickNumber < kTricksPerDeal;
}

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

// The signal of turnSeat's card that the table shows: a knock unless on the last
// trick or on a 3; a fling or creep unless on the last trick or, when only the
// leader may declare, by a follower. kNoSignal when nothing is shown.
Byte shownSignal(const GameState& g) {
    const Byte signal = g.trickSignals[g.turnSeat];
    const bool shown = g.cardsPlayed <= kCardsBeforeLastTrick &&
                       (knockShown(g, signal) || holdingSignalShown(g, signal));
    return shown ? signal : kNoSignal;
}

Wait<> cardReachesTable(GameState& g, MatchIo& io) {
    const Byte signal = g.trickSignals[g.turnSeat];
    return io.view.cardToTable(g.turnSeat, g.cardToPlay, shownSignal(g), signal != kNoSignal);
}

// The human led: the signal list waits for a choice, or a click to go on.
Task<> humanLeadReachesTable(GameState& g, MatchIo& io) {
    const int choice = co_await io.input.signalChoice();
    if (choice != kNoSignalChosen) {
        g.trickSignals[1] = static_cast<Byte>(choice);
        io.events.onSignalChosen(g, g.trickSignals[1]);
    }
    co_await cardReachesTable(g, io);
}

}  // namespace

Wait<> moveCardToTable(GameState& g, MatchIo& io) {
    const Byte seat = g.turnSeat;
    if (seat != 1) {  // the human's card sounded when it was clicked
        const Byte shown = shownSignal(g);
        noteShownSignal(g, seat, g.cardToPlay, shown);
        const bool pauseAfter = g.trickSignals[seat] != kNoSignal;
        return io.view.cardPlayed(seat, g.cardToPlay, g.hands[seat], shown, pauseAfter);
    }
    if (io.computerAtSeatOne) noteShownSignal(g, seat, g.cardToPlay, shownSignal(g));
    io.view.cardToStart(seat, g.cardToPlay, g.hands[seat]);
    if (humanChoosesSignal(g, io)) return humanLeadReachesTable(g, io);
    return cardReachesTable(g, io);
}

Wait<> takeTrick(GameState& g, MatchIo& io) {
    GatheredTrick trick{g.turnSeat, g.trickBySeat[g.turnSeat], {}};
    for (int i = 1; i <= 4; ++i) trick.strongestFirst[i - 1] = g.tableCards[i];
    return io.view.gatherTrick(trick);
}

}  // namespace morvello
