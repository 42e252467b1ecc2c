// A waited-for player's card: whether it may be played, and playing it.
#pragma once

#include <string>

#include "cards/game_state.h"
#include "cards/play_signal.h"

namespace morvello {

// True when the card is in one of the seat's slots and not yet played.
bool holdsUnplayed(const GameState& g, Byte seat, Byte card);

// The suit of the card the trick's leader played.
int leadSuitOf(const GameState& g);

// A card may be played by the seat when the seat leads, when it has the lead
// suit, or when the seat holds no card of the lead suit.
bool isLegalPlay(const GameState& g, Byte seat, Byte card);

// Notes in lackedSuits that the seat lacks the suit led when its card is of
// another suit; the leader's card (the seat is leaderSeat) tells nothing.
void noteLackedSuit(GameState& g, Byte seat, Byte card);

// Notes what the signal the table showed with a computer seat's card tells:
// a Volo, that the seat holds no more of the card's suit; a Striscio, that it
// holds at least one more. Another card of the suit ends what a Striscio told.
inline void noteShownSignal(GameState& g, Byte seat, Byte card, Byte shown) {
    const auto suit = static_cast<Byte>(1U << suitOf(card));
    const auto volo = static_cast<Byte>(shown == kVolo ? suit : 0);
    const auto striscio = static_cast<Byte>(shown == kStriscio ? suit : 0);
    g.voloSuits[seat] |= volo;
    g.striscioSuits[seat] = static_cast<Byte>((g.striscioSuits[seat] & ~suit) | striscio);
}

// Takes the card out of the seat's hand: cardToPlay, its slot and the played mark.
void playFromHand(GameState& g, Byte seat, Byte card);

// The signal of turnSeat's card that the table shows (kNoSignal for none).
Byte shownSignal(const GameState& g);

}  // namespace morvello
