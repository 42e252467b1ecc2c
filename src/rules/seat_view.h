// What one seat may see of the game. The view is built field by field from
// what the seat may know, never by copying the whole state and blanking what
// it may not: a field added to the state later stays out of every view until it
// is added here. It is what the hint and the Expert reason on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "cards/game_state.h"

namespace morvello {

// The options (the names among them) everyone sees are its GameOptions part.
struct SeatView : GameOptions {
    Byte seat = 0;

    // ---- its own cards
    Hand hand{};                                    // slots 1..10; an entry + 100 once played
    std::array<SuitMask, 5> held{};                 // [suit]: the values it holds
    std::array<std::array<Byte, 5>, 4> topDealt{};  // [value 1..3][suit]: its top cards dealt
    std::array<Byte, 5> declSlots{};                // its declaration records, slots 1..4
    Byte declPoints = 0;
    Byte returnSuit = 0;  // the suit it owes back after answering a knock

    // ---- what every seat has shown
    // [seat]: the cards a seat has played in this deal, each in the slot it
    // left (the table shows the gap); the seat's unplayed slots hold 0.
    std::array<Hand, 5> playedFromSlots{};
    std::array<CardSet, 5> playedCards{};
    std::array<Byte, 5> tableCards{};   // the cards on the table, by seat
    std::array<Byte, 5> trickBySeat{};  // the last decided trick, by seat
    std::array<Byte, 11> seatOrder{};
    // The signals of the trick that the seat knows: its own, and a knock, which
    // the table always shows.
    std::array<Byte, 5> trickSignals{};
    std::array<Byte, 5> lackedSuits{};  // bit s: suits a seat did not follow
    std::array<Byte, 5> voloSuits{};    // bit s: a computer seat's shown Volo
    std::array<Byte, 5> striscioSuits{};
    // [seat]: the declaration records a seat showed in its label, once it has
    // played its second card of the deal.
    std::array<bool, 5> announced{};
    std::array<std::array<Byte, 5>, 5> shownSlots{};

    // ---- the table
    std::array<Byte, 5> partnerOf{};
    Byte turnSeat = 0;
    Byte leaderSeat = 0;
    Byte dealerSeat = 0;
    Byte cardToPlay = 0;  // the card last played
    Byte cardsPlayed = 0;
    Byte trickNumber = 0;
    int dealNumber = 1;
    Byte leadSuit = 0;  // the suit of the last computer lead, as everyone saw it
    std::array<Byte, 5> drawValues{};
    int drawCount = 0;
    Phase phase = Phase::None;
    int refusedPlay = 0;
    MenuState menus;

    // ---- the scores: the settled deals, and the points taken in this one
    std::array<int, 2> cardPoints{};
    std::vector<int> settledScoreA{0};  // thirds, by deal number, of the deals settled
    std::vector<int> settledScoreB{0};
    std::array<int, 2> matchTotal{};
    std::array<int, 2> targetPoints{21, 31};  // the points of a match, by scoreOption
};

// What `seat` may see of the game as it stands.
SeatView seatView(const GameState& g, Byte seat);

// A state made from what the seat sees, for reasoning in it: the seat's own
// hand and what was shown, every other seat's unplayed cards absent, the names
// and the deck left out, the scores of this deal in its first column.
GameState stateSeenBy(const SeatView& view);

// The cards of the trick on the table, by seat (0 for a seat that has not played
// to it); once the trick is decided, still by seat.
std::array<Byte, 5> trickOnTable(const SeatView& view);

// Whether the seat holds the card, not yet played.
bool holdsUnplayed(const SeatView& view, Byte card);
// Whether the seat may play one of its cards now (it must follow the suit led).
bool isLegalPlay(const SeatView& view, Byte card);

}  // namespace morvello
