// playTricks: the ten tricks of one deal, turn by turn.
#include <memory>
#include <string>

#include "match/procedures.h"
#include "players/card_choice.h"
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
    const DeclarationCaption caption = declarationCaption(g, g.turnSeat);
    if (caption.declares) io.view.showDeclaration(g.turnSeat, caption.text());
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

// The human's turn: waits for a legal card; an illegal one is refused with the
// lead suit's name and the human clicks again. The card sounds when accepted.
Task<> humanPlays(GameState& g, MatchIo& io) {
    g.cardToPlay = 0;
    ++g.cardsPlayed;
    if (inSecondTrick(g)) showDeclarations(g, io);
    for (;;) {
        const Byte card = co_await io.input.humanCard();
        if (!holdsUnplayed(g, 1, card)) continue;
        if (isLegalPlay(g, card)) {
            playHumanCard(g, card);
            io.view.playSound(Sound::Card);
            break;
        }
        co_await io.view.showMessage(refusalMessage(g));
        g.refusedPlay = 1;
    }
    cardChosen(g, io);
    co_await moveCardToTable(g, io);
}

inline bool expertTurn(const MatchIo& io, Byte seat) {
    return io.experts != nullptr && io.experts->plays(seat);
}

// The seat thinks of its card in `atTurn`, the state as it will choose in,
// while the table's paced delay of `units` passes.
Wait<> expertThinks(const GameState& atTurn, MatchIo& io, Byte seat, double units) {
    ExpertPlayers& experts = *io.experts;
    experts.thought = std::make_shared<ExpertThought>(knowledgeOf(atTurn, seat), experts.samples,
                                                      experts.engine());
    return io.view.thinkDuring(units, [thought = experts.thought] { thought->think(); });
}

// An Expert seat thinks during the pause before its turn, on what it will know
// when its turn comes (its card counted as played).
Wait<> expertThinksAhead(const GameState& g, MatchIo& io, Byte seat) {
    GameState atTurn = g;
    atTurn.turnSeat = seat;
    ++atTurn.cardsPlayed;
    return expertThinks(atTurn, io, seat, 1);
}

// The pause of a unit before the seat's turn.
inline Wait<> pauseBeforeTurn(const GameState& g, MatchIo& io, Byte seat) {
    if (expertTurn(io, seat)) return expertThinksAhead(g, io, seat);
    return io.view.delay(1);
}

// The Expert's thought for this turn, taken up: its card given up, its engine
// carried on to the next thought.
void expertPlays(GameState& g, MatchIo& io) {
    ExpertPlayers& experts = *io.experts;
    const std::shared_ptr<ExpertThought> thought = std::move(experts.thought);
    experts.engine() = thought->engine;
    ++experts.decisions;
    expertGivesUp(g, thought->card);
    cardChosen(g, io);
}

bool thoughtFor(const ExpertPlayers& experts, const GameState& g) {
    return experts.thought && experts.thought->knowledge.seat == g.turnSeat &&
           experts.thought->knowledge.seen.cardsPlayed == g.cardsPlayed;
}

// An Expert seat with no thought ready for this turn thinks now.
Task<> expertThinksNow(GameState& g, MatchIo& io) {
    co_await expertThinks(g, io, g.turnSeat, 0);
    expertPlays(g, io);
}

// A computer seat's card: chosen by its strategy, the classic one or the
// Expert's, and marked played.
Wait<> computerChooses(GameState& g, MatchIo& io) {
    ++g.cardsPlayed;
    if (inSecondTrick(g)) showDeclarations(g, io);
    if (!expertTurn(io, g.turnSeat)) {
        chooseComputerCard(g);
        cardChosen(g, io);
        return {};
    }
    if (!thoughtFor(*io.experts, g)) return expertThinksNow(g, io);
    expertPlays(g, io);
    return {};
}

// The trick's winner leads next; the trick's points go to the winner's couple.
void decideTrick(GameState& g, MatchIo& io) {
    ++g.trickNumber;
    resolveTrick(g);
    const int thirds = creditTrickPoints(g);
    io.events.onTrick(g, g.turnSeat, thirds);
}

void clearTrick(GameState& g) {
    g.trickSignals = {};
    g.tableCards = {};
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

}  // namespace

Task<> playTricks(GameState& g, MatchIo& io) {
    startDeal(g, io);
    const bool humanAtSeatOne = !io.computerAtSeatOne;
    bool turnStart = true;
    while (g.cardsPlayed < kCardCount) {
        if (turnStart) {
            io.view.drawNames(g.playerNames, g.turnSeat);
            if (g.trickNumber == 3) io.view.hideDeclarations();
        }
        turnStart = true;
        if (g.turnSeat == 1 && humanAtSeatOne) {
            co_await humanPlays(g, io);
            if (g.cardsPlayed % 4 == 0) {
                decideTrick(g, io);
                co_await takeTrick(g, io);
                clearTrick(g);  // the next turn starts at once
                continue;
            }
            // Seat 2 plays next, without the turn start: the names stay as they are.
            co_await pauseBeforeTurn(g, io, 2);
            g.turnSeat = 2;
            turnStart = false;
            continue;
        }
        co_await computerChooses(g, io);
        co_await moveCardToTable(g, io);
        if (g.cardsPlayed % 4 == 0) {
            decideTrick(g, io);
            co_await takeTrick(g, io);
            clearTrick(g);
            if (g.cardsPlayed < kCardCount) co_await pauseBeforeTurn(g, io, g.turnSeat);
            continue;
        }
        g.turnSeat = nextSeat(g.turnSeat);
        if (g.turnSeat != 1) co_await pauseBeforeTurn(g, io, g.turnSeat);
    }
    io.view.clearDrawing();
}

}  // namespace morvello
