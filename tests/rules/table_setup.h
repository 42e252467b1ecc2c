// Hand-built positions for the rules tests: hands dealt by card, cards played
// by a seat, a trick half on the table, in the tests' card notation.
#pragma once

#include <sstream>
#include <string>

#include "card_notation.h"
#include "cards/game_state.h"

namespace morvello::testing {

// Gives the seat these cards in slots 1.. and marks them in holdMap and, for the
// aces, twos and threes, in topDealt (as the deal and the declarations would).
inline void give(GameState& g, Byte seat, const std::string& hand) {
    g.hands[seat] = {};
    g.holdMap[seat] = {};
    for (int v = 1; v <= 3; ++v) g.topDealt[seat][v] = {};
    int slot = 1;
    for (const Byte c : cards(hand)) {
        placeInHand(g, seat, slot++, c);
        if (valueOf(c) <= 3) g.topDealt[seat][valueOf(c)][suitOf(c)] = 1;
    }
}

// Cards played earlier in the deal, each after its seat ("4:KC 1:2D"): a played
// entry in the seat's hand, from slot 10 down, and in the seat's playedCards.
inline void playedEarlier(GameState& g, const std::string& played) {
    std::istringstream in(played);
    for (std::string entry; in >> entry;) {
        const Byte seat = static_cast<Byte>(entry.at(0) - '0');
        const Byte c = card(entry.substr(2));
        auto& hand = g.hands[seat];
        int slot = 10;
        while (hand[slot] != 0) --slot;
        hand[slot] = static_cast<Byte>(c + kPlayedMark);
        g.slotOf[c] = static_cast<Byte>(slot);
        g.playedCards[seat] |= cardBit(c);
    }
}

// A trick under way: the leader and the cards on the table so far, seat by seat
// from the leader; turnSeat is the next seat and cardToPlay the card played last.
inline void trick(GameState& g, Byte leader, const std::string& played) {
    g.tableCards = {};
    g.leaderSeat = g.turnSeat = leader;
    for (const Byte c : cards(played)) {
        g.tableCards[g.turnSeat] = g.cardToPlay = c;
        g.turnSeat = nextSeat(g.turnSeat);
    }
}

// The card a seat would play from its chosen slot.
inline Byte chosenCard(const GameState& g) {
    return g.hands[g.turnSeat][g.chosenSlot];
}

}  // namespace morvello::testing
