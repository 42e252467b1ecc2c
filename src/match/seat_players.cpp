#include "match/seat_players.h"

#include <memory>
#include <stdexcept>

#include "expert/expert_choice.h"
#include "match/procedures.h"
#include "players/card_choice.h"

namespace morvello {

Wait<DeckInput> SeatPlayer::drawForDealer(const GameState&, MatchIo& io) {
    return io.input.deckInput();
}

Wait<> SeatPlayer::chooseCard(GameState&, MatchIo&) {
    throw std::logic_error("a waited-for player proposes its card");
}

Wait<Byte> SeatPlayer::proposeCard(const GameState&, MatchIo&) {
    throw std::logic_error("a computer chooses its card");
}

Wait<> ClassicPlayer::pauseBeforeTurn(const GameState&, MatchIo& io, Byte) {
    return io.view.delay(1);
}

Wait<> ClassicPlayer::chooseCard(GameState& g, MatchIo&) {
    chooseComputerCard(g);
    return {};
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
void ExpertPlayer::play(GameState& g) {
    const std::shared_ptr<ExpertThought> thought = std::move(shared_.thought);
    shared_.engine() = thought->engine;
    ++shared_.decisions;
    expertGivesUp(g, thought->card);
}

// With no thought ready for this turn, it thinks now.
Task<> ExpertPlayer::thinkNow(GameState& g, MatchIo& io) {
    co_await thinkDuring(g, io, 0);
    play(g);
}

Wait<> ExpertPlayer::chooseCard(GameState& g, MatchIo& io) {
    const ExpertThought* thought = shared_.thought.get();
    const bool ready = thought != nullptr && thought->knowledge.seat == g.turnSeat &&
                       thought->knowledge.seen.cardsPlayed == g.cardsPlayed;
    if (!ready) return thinkNow(g, io);
    play(g);
    return {};
}

}  // namespace morvello
