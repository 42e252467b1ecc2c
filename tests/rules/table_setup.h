// Hand-built positions for the rules tests: hands dealt by card, cards played
// by a seat, a trick half on the table. Cards are written as value and suit:
// "AD" the ace of Denari, "7C", "JB" a knave, "HS" a horse, "KC" a king.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cards/game_state.h"

namespace morvello::testing {

inline constexpr Byte kDenari = 1, kCoppe = 2, kBastoni = 3, kSpade = 4;

inline Byte card(const std::string& name) {
    const std::size_t value = std::string("A234567JHK").find(name.substr(0, 1));
    const std::size_t suit = std::string("DCBS").find(name.substr(1));
    if (name.size() != 2 || value == std::string::npos || suit == std::string::npos)
        throw std::invalid_argument("no such card: " + name);
    return cardCode(static_cast<int>(suit) + 1, static_cast<int>(value) + 1);
}

// The cards of a list separated by spaces: "3C 2C AC".
inline std::vector<Byte> cards(const std::string& list) {
    std::vector<Byte> found;
    std::istringstream in(list);
    for (std::string name; in >> name;) found.push_back(card(name));
    return found;
}

// Gives the seat these cards in slots 1.. and marks them in holdMap and, for the
// aces, twos and threes, in topDealt (as the deal and the declarations would).
inline void give(GameState& g, Byte seat, const std::string& hand) {
    g.hands[seat] = {};
    g.holdMap[seat] = {};
    for (int v = 1; v <= 3; ++v) g.topDealt[seat][v] = {};
    int slot = 1;
    for (const Byte c : cards(hand)) {
        g.hands[seat][slot++] = c;
        g.holdMap[seat][Seme(c)][ValCarta(c)] = '*';
        if (ValCarta(c) <= 3) g.topDealt[seat][ValCarta(c)][Seme(c)] = 1;
    }
}

// Cards played earlier in the deal, each after its seat ("4:KC 1:2D"): a played
// entry in the seat's hand, from slot 10 down.
inline void playedEarlier(GameState& g, const std::string& played) {
    std::istringstream in(played);
    for (std::string entry; in >> entry;) {
        auto& hand = g.hands[entry.at(0) - '0'];
        int slot = 10;
        while (hand[slot] != 0) --slot;
        hand[slot] = static_cast<Byte>(card(entry.substr(2)) + kPlayedMark);
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
