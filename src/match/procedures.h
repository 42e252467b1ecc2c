// The scripted procedures of a match, each awaited by the one above it:
// playMatches -> chooseDealer, dealCards, playTricks, finishDeal; playTricks -> the card
// movements. They read and write the game state; the table, the player and the
// listeners are reached through MatchIo.
#pragma once

#include "cards/game_state.h"
#include "match/match_observers.h"
#include "match/player_input.h"
#include "match/seat_player.h"
#include "match/table_view.h"
#include "task/task.h"

namespace morvello {

// A signal picked from the list after the wait for it was over: the script
// applies it before the next card of the trick.
struct LateSignal {
    Byte seat = 0;  // 0: none picked
    Byte signal = 0;
};

// What the controller talks to.
struct MatchIo {
    TableView& view;
    PlayerInput& input;
    MatchObservers& events;
    std::array<SeatPlayer*, 5> players{};  // [seat] 1..4: who makes the seat's moves
    LateSignal lateSignal{};
};

// Resets the table before a dealer choice.
void resetTable(GameState& g, MatchIo& io);

// The dealer choice: one deck click a seat, seats 2, 3, 4, 1; ties draw again.
Task<> chooseDealer(GameState& g, MatchIo& io);

// Deals deck in packets of ten, from the seat after the dealer.
Task<> dealCards(GameState& g, MatchIo& io);

// Orders a freshly dealt hand; for the human, lays the fan out and pauses.
Wait<> sortDealtHand(GameState& g, MatchIo& io, Byte seat);

// Plays the ten tricks of a deal.
Task<> playTricks(GameState& g, MatchIo& io);

// Brings cardToPlay from turnSeat onto the table, with its play signal.
Wait<> moveCardToTable(GameState& g, MatchIo& io);

// Gathers the decided trick onto the winner's card and slides it away.
Wait<> takeTrick(GameState& g, MatchIo& io);

// Settles the deal, draws the score sheet and sets the Game menu for what follows.
void finishDeal(GameState& g, MatchIo& io);

}  // namespace morvello
