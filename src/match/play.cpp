// gioco: the ten tricks of one deal, turn by turn.
#include <string>

#include "match/human_input.h"
#include "match/procedures.h"
#include "match/trick.h"
#include "players/card_choice.h"
#include "scoring/declarations.h"

namespace morvello {
namespace {

bool inSecondTrick(const GameState& g) {
    return g.cardsPlayed >= 5 && g.cardsPlayed <= 8;
}

// Shows the declarations of turnSeat in its label, if it has any.
void dichiaro_accuso(const GameState& g, Table& table) {
    const AccusoCaption caption = accusoCaption(g, g.turnSeat);
    if (caption.declares) table.showDeclaration(g.turnSeat, std::string(caption.text()));
}

void creditDeclarations(GameState& g) {
    dealScore(g, 0) += 3 * (g.declPoints[1] + g.declPoints[3]);
    dealScore(g, 1) += 3 * (g.declPoints[2] + g.declPoints[4]);
}

// The human's turn: waits for a legal click; an illegal card is refused with
// the lead suit's name and the human clicks again.
Task<> humanPlays(GameState& g, Table& table) {
    g.inputLock = 0;
    g.cardToPlay = 0;
    ++g.cardsPlayed;
    if (inSecondTrick(g)) dichiaro_accuso(g, table);
    for (;;) {
        const Byte card = co_await table.waitForHumanCard();
        if (card < 1 || card > kCardCount || !g.jolly[card]) continue;
        if (isLegalPlay(g, card)) {
            playHumanCard(g, table, card);
            break;
        }
        co_await table.showMessage(refusalMessage(g));
        g.refusedPlay = 1;
    }
    g.inputLock = 100;
    g.tableCards[g.turnSeat] = g.cardToPlay;
    table.onPlay(g.turnSeat, g.cardToPlay);
    co_await muovo_carta_da_giocare(g, table);
}

// A computer seat's card: chosen by its strategy and marked played.
void computerChooses(GameState& g, Table& table) {
    ++g.cardsPlayed;
    g.inputLock = 100;
    if (inSecondTrick(g)) dichiaro_accuso(g, table);
    scelgo_carta_da_giocare(g);
    g.tableCards[g.turnSeat] = g.cardToPlay;
    table.onPlay(g.turnSeat, g.cardToPlay);
}

// The trick's winner leads next; the trick's points go to the winner's couple.
void decideTrick(GameState& g, Table& table) {
    ++g.trickNumber;
    DETERMINO_TURNO(g);
    const int thirds = attribuisco_punteggio(g);
    table.onTrick(g.turnSeat, thirds);
}

void clearTrick(GameState& g) {
    g.trickSignals = {};
    g.tableCards = {};
}

}  // namespace

Task<> gioco(GameState& g, Table& table) {
    g.trickBySeat = {};
    g.tableCards = {};
    g.declPoints = {};
    g.cardPoints = {};
    esamino_accuso(g);
    creditDeclarations(g);
    table.onDeclarations();
    g.cardsPlayed = 0;
    g.trickNumber = 1;
    g.leaderSeat = g.turnSeat;

    const bool humanAtSeatOne = !table.seatOneIsComputer();
    bool turnStart = true;
    while (g.cardsPlayed < kCardCount) {
        if (turnStart) {
            table.drawNames();
            if (g.trickNumber == 3) table.hideDeclarations();
        }
        turnStart = true;
        if (g.turnSeat == 1 && humanAtSeatOne) {
            co_await humanPlays(g, table);
            if (g.cardsPlayed % 4 == 0) {
                decideTrick(g, table);
                co_await muovo_carte_prese(g, table);
                clearTrick(g);  // the next turn starts at once
                continue;
            }
            // Seat 2 plays next, without the turn start: the names stay as they are.
            co_await table.ritardo(1);
            g.turnSeat = 2;
            turnStart = false;
            continue;
        }
        computerChooses(g, table);
        co_await muovo_carta_da_giocare(g, table);
        if (g.cardsPlayed % 4 == 0) {
            decideTrick(g, table);
            co_await muovo_carte_prese(g, table);
            clearTrick(g);
            if (g.cardsPlayed < kCardCount) co_await table.ritardo(1);
            continue;
        }
        g.turnSeat = nextSeat(g.turnSeat);
        if (g.turnSeat != 1) co_await table.ritardo(1);
    }
    table.clearDrawing();
}

}  // namespace morvello
