#include "match/seat_players.h"

#include <memory>

#include "expert/expert_choice.h"
#include "match/procedures.h"
#include "players/card_choice.h"

namespace morvello {

Wait<> ClassicPlayer::pauseBeforeTurn(const GameState&, MatchIo& io, Byte) {
    return io.view.delay(1);
}

Wait<Byte> ClassicPlayer::card(GameState& g, MatchIo&) {
    chooseComputerCard(g);
    return g.cardToPlay;
}

// The seat thinks of its card in `atTurn`, the state as it will choose in,
// while the table's paced delay of `units` passes.
Wait<> ExpertPlayer::thinkDuring(const GameState& atTurn, MatchIo& io, double units) {
    shared_.thought = std::make_shared<ExpertThought>(
        knowledgeOf(seatView(atTurn, atTurn.turnSeat)), shared_.samples, shared_.engine());
    return io.view.thinkDuring(units, [thought = shared_.thought] { thought->think(); });
}

// It thinks during the pause before its turn, on what it will know when its
// turn comes (its card counted as played).
Wait<> ExpertPlayer::pauseBeforeTurn(const GameState& g, MatchIo& io, Byte seat) {
    GameState atTurn = g;
    atTurn.turnSeat = seat;
    ++atTurn.cardsPlayed;
    return thinkDuring(atTurn, io, 1);
}

// The thought for this turn, taken up: its card given up, its engine carried
// on to the next thought.
Byte ExpertPlayer::play(GameState& g) {
    const std::shared_ptr<ExpertThought> thought = std::move(shared_.thought);
    shared_.engine() = thought->engine;
    ++shared_.decisions;
    expertGivesUp(g, thought->card);
    return g.cardToPlay;
}

// With no thought ready for this turn, it thinks now.
Task<Byte> ExpertPlayer::thinkNow(GameState& g, MatchIo& io) {
    co_await thinkDuring(g, io, 0);
    co_return play(g);
}

Wait<Byte> ExpertPlayer::card(GameState& g, MatchIo& io) {
    const ExpertThought* thought = shared_.thought.get();
    const bool ready = thought != nullptr && thought->knowledge.seat == g.turnSeat &&
                       thought->knowledge.seen.cardsPlayed == g.cardsPlayed;
    if (!ready) return thinkNow(g, io);
    return play(g);
}

}  // namespace morvello
