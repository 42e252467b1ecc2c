#include "players/lead.h"

#include "cards/play_signal.h"
#include "players/pickers.h"
#include "players/queries.h"

namespace morvello {

namespace {

enum class Outcome { NotYet, Signal, Done };

// Leads low in the suit and knocks: the partner is asked for its highest.
Outcome knock(GameState& g, Byte suit) {
    Scelgo_la_minore(g, suit);
    g.trickSignals[g.turnSeat] = kBusso;
    return Outcome::Done;
}

Outcome leadHigh(GameState& g, Byte suit) {
    Scelgo_la_Maggiore(g, suit);
    return Outcome::Signal;
}

// Ace, 2 and 3 held: lead the ace when the king is safe, else knock with a small
// card if there is one.
Outcome threeTopCards(GameState& g, Byte s) {
    if (Cè(g, s, 10) == 1 || Carta_Uscita(g, 10, s)) return leadHigh(g, s);
    if (Quante(g, s) > 3) return knock(g, s);
    return Outcome::NotYet;
}

// Two top cards: lead high once the missing one is out; with the ace, knock
// otherwise if a small card is held.
Outcome twoTopCards(GameState& g, Byte s) {
    const bool ace = Cè(g, s, 1) == 1, two = Cè(g, s, 2) == 1, three = Cè(g, s, 3) == 1;
    if (ace && two) {
        if (Carta_Uscita(g, 3, s)) return leadHigh(g, s);
        if (Quante(g, s) > 2) return knock(g, s);
    } else if (ace && three) {
        if (Carta_Uscita(g, 2, s)) return leadHigh(g, s);
        if (Quante(g, s) > 2) return knock(g, s);
    } else if (two && three) {
        if (Carta_Uscita(g, 1, s)) return leadHigh(g, s);
    }
    return Outcome::NotYet;
}

// One top card: lead it once the other two are out.
Outcome oneTopCard(GameState& g, Byte s) {
    const bool ace = Cè(g, s, 1) == 1, two = Cè(g, s, 2) == 1;
    const bool otherOut = ace   ? Carta_Uscita(g, 2, s) && Carta_Uscita(g, 3, s)
                          : two ? Carta_Uscita(g, 1, s) && Carta_Uscita(g, 3, s)
                                : Carta_Uscita(g, 1, s) && Carta_Uscita(g, 2, s);
    return otherOut ? leadHigh(g, s) : Outcome::NotYet;
}

// Runs one rule over the suits with that many top cards, leadSuit being the suit
// examined; the first suit where it fires wins and leadSuit stays on it, and when
// none fires leadSuit is left on the last suit, 4.
template <typename Rule>
Outcome overSuits(GameState& g, int topCount, Rule rule) {
    for (Byte suit = 1; suit <= 4; ++suit) {
        if (g.suitTopCount[suit] != topCount) continue;
        g.leadSuit = suit;
        const Outcome outcome = rule(g, suit);
        if (outcome != Outcome::NotYet) return outcome;
    }
    g.leadSuit = 4;
    return Outcome::NotYet;
}

// The lead back of a suit owed after answering the partner's knock.
bool returnLead(GameState& g) {
    const Byte t = g.turnSeat;
    if (g.leadSuit == 0 || g.returnSuit[t] != g.leadSuit) return false;
    if (Quante(g, g.leadSuit) > 0) {
        Scelgo_la_Maggiore(g, g.leadSuit);
    } else {
        Scelgo_una_minore(g);
    }
    g.returnSuit[t] = 0;
    return true;
}

}  // namespace

void holdingSignal(GameState& g, Byte suit) {
    const Byte t = g.turnSeat;
    if (g.topDealt[t][1][suit] == 1) return;
    const Byte held = Quante(g, suit);
    if (held == 1) {
        g.trickSignals[t] = kVolo;
    } else if (held > 1) {
        g.trickSignals[t] = kStriscio;
    }
}

void Scelta_Primo_Turno(GameState& g) {
    g.chosenSlot = 0;
    g.suitTopCount = {};
    if (returnLead(g)) {
        holdingSignal(g, g.leadSuit);
        return;
    }
    for (Byte s = 1; s <= 4; ++s) g.suitTopCount[s] = Cè(g, s, 1) + Cè(g, s, 2) + Cè(g, s, 3);

    Outcome outcome = overSuits(g, 3, threeTopCards);
    if (outcome == Outcome::NotYet) outcome = overSuits(g, 2, twoTopCards);
    if (outcome == Outcome::NotYet) outcome = overSuits(g, 1, oneTopCard);
    if (outcome == Outcome::NotYet) Scelgo_una_minore(g);
    if (outcome == Outcome::Signal) holdingSignal(g, g.leadSuit);
}

}  // namespace morvello
