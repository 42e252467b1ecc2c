// Hand-built positions for the rules tests: hands dealt by card, cards played
// by a seat, a trick half on the table.
#pragma once

#include <initializer_list>

#include "cards/game_state.h"

namespace morvello::testing {

inline constexpr Byte kDenari = 1, kCoppe = 2, kBastoni = 3, kSpade = 4;
inline constexpr int kAce = 1, kKnave = 8, kHorse = 9, kKing = 10;

constexpr Byte card(int value, int suit) {
    return cardCode(suit, value);
}

// Gives the seat these cards in slots 1.. and marks them in holdMap and, for the
// aces, twos and threes, in topDealt (as the deal and the declarations would).
inline void give(GameState& g, Byte seat, std::initializer_list<Byte> cards) {
    g.hands[seat] = {};
    g.holdMap[seat] = {};
    for (int v = 1; v <= 3; ++v) g.topDealt[seat][v] = {};
    int slot = 1;
    for (const Byte c : cards) {
        g.hands[seat][slot++] = c;
        g.holdMap[seat][Seme(c)][ValCarta(c)] = '*';
        if (ValCarta(c) <= 3) g.topDealt[seat][ValCarta(c)][Seme(c)] = 1;
    }
}

// The seat has played the card earlier in the deal: a played entry in its hand.
inline void playedEarlier(GameState& g, Byte seat, Byte c) {
    for (int slot = 10; slot >= 1; --slot) {
        if (g.hands[seat][slot] == 0) {
            g.hands[seat][slot] = static_cast<Byte>(c + kPlayedMark);
            return;
        }
    }
}

// The seat gives up a card it was dealt, as a computer seat would.
inline void giveUp(GameState& g, Byte seat, Byte c) {
    for (int slot = 1; slot <= 10; ++slot) {
        if (g.hands[seat][slot] == c) g.hands[seat][slot] = static_cast<Byte>(c + kPlayedMark);
    }
    g.holdMap[seat][Seme(c)][ValCarta(c)] = ' ';
}

// A trick under way: the leader and the cards on the table so far, seat by seat
// from the leader; turnSeat is the next seat and cardToPlay the card played last.
inline void trick(GameState& g, Byte leader, std::initializer_list<Byte> played) {
    g.tableCards = {};
    g.leaderSeat = leader;
    Byte seat = leader;
    for (const Byte c : played) {
        g.tableCards[seat] = c;
        g.cardToPlay = c;
        seat = nextSeat(seat);
    }
    g.turnSeat = seat;
}

// The card a seat would play from its chosen slot.
inline Byte chosenCard(const GameState& g) {
    return g.hands[g.turnSeat][g.chosenSlot];
}

}  // namespace morvello::testing
