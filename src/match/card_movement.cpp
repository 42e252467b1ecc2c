// A card played: shown beside its player, a waited-for player's signal after a lead, the
// signal shown, then the card on the table. A trick won: gathered and taken away.
#include "cards/play_signal.h"
#include "match/procedures.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

// A waited-for player who led is asked for a signal, but on the last trick.
bool asksForSignal(const GameState& g, const SeatPlayer& player) {
    return player.waitedFor() && g.leaderSeat == g.turnSeat && g.trickNumber < kTricksPerDeal;
}

Wait<> cardReachesTable(GameState& g, MatchIo& io) {
    const Byte signal = g.trickSignals[g.turnSeat];
    return io.view.cardToTable(g.turnSeat, g.cardToPlay, shownSignal(g), signal != kNoSignal);
}

// The player led: its signal is waited for, or its word to go on without one.
Task<> leadReachesTable(GameState& g, MatchIo& io, SeatPlayer& player) {
    const int choice = co_await player.signalAfterLead(g, io);
    if (choice != kNoSignalChosen) {
        g.trickSignals[g.turnSeat] = static_cast<Byte>(choice);
        io.events.onSignalChosen(g, g.trickSignals[g.turnSeat]);
    }
    co_await cardReachesTable(g, io);
}

}  // namespace

Wait<> moveCardToTable(GameState& g, MatchIo& io) {
    const Byte seat = g.turnSeat;
    SeatPlayer& player = *io.players[seat];
    if (!player.waitedFor()) {  // a waited-for card sounded when it was accepted
        const Byte shown = shownSignal(g);
        noteShownSignal(g, seat, g.cardToPlay, shown);
        const bool pauseAfter = g.trickSignals[seat] != kNoSignal;
        return io.view.cardPlayed(seat, g.cardToPlay, g.hands[seat], shown, pauseAfter);
    }
    io.view.cardToStart(seat, g.cardToPlay, g.hands[seat]);
    if (asksForSignal(g, player)) return leadReachesTable(g, io, player);
    return cardReachesTable(g, io);
}

Wait<> takeTrick(GameState& g, MatchIo& io) {
    GatheredTrick trick{g.turnSeat, g.trickBySeat[g.turnSeat], {}};
    for (int i = 1; i <= 4; ++i) trick.strongestFirst[i - 1] = g.tableCards[i];
    return io.view.gatherTrick(trick);
}

}  // namespace morvello
