#include "players/follow.h"

#include "cards/play_signal.h"
#include "players/lead.h"
#include "players/pickers.h"
#include "players/queries.h"
#include "rules/trick.h"

namespace morvello {

namespace {

// The highest card of the suit, signalling whether more are behind it: given even
// by a seat dealt the ace.
void playHigh(GameState& g) {
    Scelgo_la_Maggiore(g, g.leadSuit);
    g.trickSignals[g.turnSeat] = Quante(g, g.leadSuit) == 1 ? kVolo : kStriscio;
}

// The lowest card of the suit; but with an ace on the table (the leader's, or
// any ace the partner played) a held 2 or 3 goes on top of it, unsignalled.
void playLow(GameState& g) {
    Scelgo_la_minore(g, g.leadSuit);
    const bool aceOnTable = ValCarta(g.tableCards[g.leaderSeat]) == 1 ||
                            ValCarta(g.tableCards[g.partnerOf[g.turnSeat]]) == 1;
    if (aceOnTable && (Cè(g, g.leadSuit, 2) == 1 || Cè(g, g.leadSuit, 3) == 1)) {
        Scelgo_la_Maggiore(g, g.leadSuit);
        return;
    }
    holdingSignal(g, g.leadSuit);
}

// The partner knocked: its highest with two or more of the suit (and the suit is
// owed back), its only card with one, a discard with none. Answered once.
void answerKnock(GameState& g, Byte partner) {
    g.leadSuit = Seme(g.tableCards[partner]);
    g.trickSignals[partner] = kNoSignal;
    const Byte held = Quante(g, g.leadSuit);
    if (held == 0) {
        Scelgo_una_minore(g);
    } else if (held == 1) {
        playLow(g);
    } else {
        g.returnSuit[g.turnSeat] = g.leadSuit;
        playHigh(g);
    }
}

}  // namespace

void Scelta_Turni_Successivi(GameState& g) {
    const Byte partner = g.partnerOf[g.turnSeat];
    g.leadSuit = Seme(g.tableCards[g.leaderSeat]);
    if (g.trickSignals[partner] == kBusso) {
        answerKnock(g, partner);
    } else if (Quante(g, g.leadSuit) == 0) {
        Scelgo_una_minore(g);
    } else if (g.tableCards[partner] == 0 && vincente(g, g.cardToPlay)) {
        playHigh(g);  // second hand over a led 3, 2, ace or king
    } else {
        playLow(g);
    }
}

}  // namespace morvello
