// Who plays a seat. The controller asks the seat's player for each of its moves
// and applies what it answers; no seat is a person or a computer by its number.
#pragma once

#include <array>

#include "cards/game_state.h"
#include "match/player_input.h"
#include "task/task.h"

namespace morvello {

struct MatchIo;

// The kinds of seat player, as the match options and the Players menu name them.
enum class PlayerKind : Byte {
    Person,   // a person, answering through the table's input
    Classic,  // the game's own fixed strategy
    Expert,   // plays out sampled deals of the cards it cannot see
};

// The player of each seat, [seat] 1..4 (0 unused): the person at seat 1 against
// three classic computers unless told otherwise.
using SeatKinds = std::array<PlayerKind, 5>;
inline constexpr SeatKinds kOnePersonAtSeatOne{PlayerKind::Classic, PlayerKind::Person,
                                               PlayerKind::Classic, PlayerKind::Classic,
                                               PlayerKind::Classic};

// Four computers playing the classic strategy: the headless runner's table.
inline constexpr SeatKinds kFourComputers{PlayerKind::Classic, PlayerKind::Classic,
                                          PlayerKind::Classic, PlayerKind::Classic,
                                          PlayerKind::Classic};

class SeatPlayer {
  public:
    virtual ~SeatPlayer() = default;

    // True when the table waits for the seat's moves, as it waits for a person:
    // no paced pause comes before its turn, its card sounds when it is accepted
    // and, after its lead, its signal is asked for; what it signals tells the
    // others nothing certain. False for a computer, whose turns keep the table's
    // pace and whose card is shown coming from beside its player. (A plain
    // field: every card of a deal asks it.)
    bool waitedFor() const { return waitedFor_; }

    // The seat's draw in the dealer choice. At this table the deck is clicked
    // for every seat, in turn, whoever plays it.
    virtual Wait<DeckInput> drawForDealer(const GameState& g, MatchIo& io);

    // The pause before the seat's turn, for a player the table does not wait for:
    // a unit of the paced delay (an Expert thinks during it).
    virtual Wait<> pauseBeforeTurn(const GameState& g, MatchIo& io, Byte seat) = 0;

    // A computer's card for turnSeat's turn, chosen and given up: once the wait
    // is over, cardToPlay names it, taken out of its hand, its signal in
    // trickSignals. Asked only of players the table does not wait for.
    virtual Wait<> chooseCard(GameState& g, MatchIo& io);

    // The card a waited-for player proposes for turnSeat's turn; the controller
    // checks that it may be played. Asked only of players the table waits for.
    virtual Wait<Byte> proposeCard(const GameState& g, MatchIo& io);

    // The seat's signal after its lead: 0..3, or kNoSignalChosen to go on.
    virtual Wait<int> signalAfterLead(const GameState& g, MatchIo& io) = 0;

  protected:
    explicit SeatPlayer(bool waitedFor) : waitedFor_(waitedFor) {}

  private:
    bool waitedFor_;
};

}  // namespace morvello
