// playTricks: the ten tricks of one deal, turn by turn.
#include "match/procedures.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"
#include "rules/trick.h"

namespace morvello {
namespace {

bool inSecondTrick(const GameState& g) {
    return g.cardsPlayed >= 5 && g.cardsPlayed <= 8;
}

// Shows the declarations of turnSeat in its label, if it has any.
void showDeclarations(const GameState& g, MatchIo& io) {
    if (g.declPoints[g.turnSeat] == 0) return;
    const ShownDeclarations shown = shownDeclarations(g, g.turnSeat);
    if (shown.empty()) return;
    io.view.showDeclaration(g.turnSeat, shown);
    io.events.onDeclarationsShown(g, g.turnSeat);
}

void creditDeclarations(GameState& g) {
    dealScore(g, 0) += 3 * (g.declPoints[1] + g.declPoints[3]);
    dealScore(g, 1) += 3 * (g.declPoints[2] + g.declPoints[4]);
}

// The card is on its way to the table: marked for the rules and the listeners.
inline void cardChosen(GameState& g, MatchIo& io) {
    noteLackedSuit(g, g.turnSeat, g.cardToPlay);
    g.tableCards[g.turnSeat] = g.cardToPlay;
    io.events.onPlay(g, g.turnSeat, g.cardToPlay);
}

// The turn of a seat the table waits for: a card that may not be played is
// refused with the lead suit's name and the player is asked again. The card
// sounds when accepted.
Task<> waitedForTurn(GameState& g, MatchIo& io, SeatPlayer& player) {
    const Byte seat = g.turnSeat;
    g.cardToPlay = 0;
    ++g.cardsPlayed;
    if (inSecondTrick(g)) showDeclarations(g, io);
    for (;;) {
        const Byte card = co_await player.proposeCard(g, io);
        if (!holdsUnplayed(g, seat, card)) continue;
        if (isLegalPlay(g, seat, card)) {
            playFromHand(g, seat, card);
            io.view.playSound(Sound::Card);
            break;
        }
        co_await io.view.showMessage(
            {TableMessage::Kind::MustFollowSuit, static_cast<Byte>(leadSuitOf(g))});
        g.refusedPlay = 1;
    }
    cardChosen(g, io);
    co_await moveCardToTable(g, io);
}

// A computer's card: chosen and given up by its strategy.
Wait<> computerChooses(GameState& g, MatchIo& io, SeatPlayer& player) {
    ++g.cardsPlayed;
    if (inSecondTrick(g)) showDeclarations(g, io);
    return player.chooseCard(g, io);
}

// The trick's winner leads next; the trick's points go to the winner's couple.
void decideTrick(GameState& g, MatchIo& io) {
    ++g.trickNumber;
    resolveTrick(g);
    const int thirds = creditTrickPoints(g);
    io.events.onTrick(g, g.turnSeat, thirds);
}

void clearTrick(GameState& g, MatchIo& io) {
    g.trickSignals = {};
    g.tableCards = {};
    io.lateSignal = {};  // a pick after the trick's last card is for no trick
}

// A signal picked late replaces the seat's signal of the trick, unshown.
void applyLateSignal(GameState& g, MatchIo& io) {
    if (io.lateSignal.seat == 0) return;
    g.trickSignals[io.lateSignal.seat] = io.lateSignal.signal;
    io.lateSignal = {};
}

void startDeal(GameState& g, MatchIo& io) {
    g.trickBySeat = {};
    g.tableCards = {};
    g.declPoints = {};
    g.cardPoints = {};
    g.lackedSuits = {};
    g.voloSuits = g.striscioSuits = {};
    recordDeclarations(g);
    creditDeclarations(g);
    io.events.onDeclarations(g);
    g.cardsPlayed = 0;
    g.trickNumber = 1;
    g.leaderSeat = g.turnSeat;
}

// The pause before the winner leads the next trick. It follows a computer's
// card only: the turn after a waited-for player's card starts at once.
Wait<> pauseBeforeLead(const GameState& g, MatchIo& io) {
    SeatPlayer& winner = *io.players[g.turnSeat];
    if (winner.waitedFor()) return io.view.delay(1);
    return winner.pauseBeforeTurn(g, io, g.turnSeat);
}

}  // namespace

Task<> playTricks(GameState& g, MatchIo& io) {
    startDeal(g, io);
    bool turnStart = true;
    while (g.cardsPlayed < kCardCount) {
        if (turnStart) {
            io.view.drawNames(g.playerNames, g.turnSeat);
            if (g.trickNumber == 3) io.view.hideDeclarations();
        }
        applyLateSignal(g, io);
        SeatPlayer& player = *io.players[g.turnSeat];
        const bool waited = player.waitedFor();
        if (waited) {
            co_await waitedForTurn(g, io, player);
        } else {
            co_await computerChooses(g, io, player);
            cardChosen(g, io);
            co_await moveCardToTable(g, io);
        }
        turnStart = true;
        if (g.cardsPlayed % 4 == 0) {
            decideTrick(g, io);
            co_await takeTrick(g, io);
            clearTrick(g, io);
            if (!waited && g.cardsPlayed < kCardCount) co_await pauseBeforeLead(g, io);
            continue;
        }
        const Byte next = nextSeat(g.turnSeat);
        if (waited) {
            // After a waited-for card the next seat plays without a turn start:
            // the names stay as they are.
            co_await io.players[next]->pauseBeforeTurn(g, io, next);
            g.turnSeat = next;
            turnStart = false;
            continue;
        }
        g.turnSeat = next;
        co_await io.players[next]->pauseBeforeTurn(g, io, next);
    }
    io.view.clearDrawing();
}

}  // namespace morvello
