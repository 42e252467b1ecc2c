#include "players/lead.h"

#include <algorithm>
#include <array>

#include "cards/play_signal.h"
#include "players/pickers.h"
#include "players/queries.h"

namespace morvello {

namespace {

// How a lead rule may end for a suit: not firing, the highest card led, or a low
// card led with a knock.
enum class Lead : Byte { NotYet, High, Knock };

// The top cards of a suit as bits: 1 the ace, 2 the 2, 4 the 3.
constexpr unsigned kAceTop = 1, kAllTops = 7;

// What the lead rules look at in one suit.
struct SuitView {
    unsigned tops = 0;      // the top cards turnSeat holds
    unsigned topsOut = 0;   // the top cards seat 1, 2 or 3 has played
    bool kingSafe = false;  // the king held, or played by seat 1, 2 or 3
    unsigned held = 0;      // how many cards of the suit turnSeat holds
};

// Ace, 2 and 3 held: lead the ace when the king is safe, else knock with a small
// card if there is one.
constexpr Lead threeTopCards(const SuitView& s) {
    if (s.kingSafe) return Lead::High;
    return s.held > 3 ? Lead::Knock : Lead::NotYet;
}

// Two top cards: lead high once the missing one is out; with the ace, knock
// otherwise if a small card is held.
constexpr Lead twoTopCards(const SuitView& s) {
    if ((s.topsOut & ~s.tops & kAllTops) != 0) return Lead::High;
    return (s.tops & kAceTop) != 0 && s.held > 2 ? Lead::Knock : Lead::NotYet;
}

// One top card: lead it once the other two are out.
constexpr Lead oneTopCard(const SuitView& s) {
    const unsigned others = ~s.tops & kAllTops;
    return (s.topsOut & others) == others ? Lead::High : Lead::NotYet;
}

constexpr int topCount(unsigned tops) {
    return static_cast<int>((tops & 1) + (tops >> 1 & 1) + (tops >> 2 & 1));
}

constexpr Lead leadRule(const SuitView& s) {
    switch (topCount(s.tops)) {
        case 3:
            return threeTopCards(s);
        case 2:
            return twoTopCards(s);
        case 1:
            return oneTopCard(s);
        default:
            return Lead::NotYet;
    }
}

// A suit's view packed in 11 bits: the tops, the tops out, the king safe, and
// the count held.
constexpr unsigned viewKey(const SuitView& s) {
    return s.tops | s.topsOut << 3 | static_cast<unsigned>(s.kingSafe) << 6 | s.held << 7;
}
constexpr unsigned kViewKeys = 1U << 11;

// Every rule's outcome for every view, worked out once: a lead reads it rather
// than walking the rules' branches, which no processor can guess ahead.
constexpr std::array<Lead, kViewKeys> kLeadRules = [] {
    std::array<Lead, kViewKeys> rules{};
    for (unsigned key = 0; key < kViewKeys; ++key) {
        const SuitView view{key & 7, key >> 3 & 7, (key >> 6 & 1) != 0, key >> 7};
        rules[key] = leadRule(view);
    }
    return rules;
}();

SuitView suitView(const GameState& g, CardSet seen, Byte suit) {
    const unsigned held = heldValues(g, suit), out = suitValues(seen, suit);
    return {held >> 1 & kAllTops, out >> 1 & kAllTops, ((held | out) & valueBit(10)) != 0,
            countHeld(g, suit)};
}

// Leads low in the suit and knocks: the partner is asked for its highest.
void knock(GameState& g, Byte suit) {
    pickLowest(g, suit);
    g.trickSignals[g.turnSeat] = kBusso;
}

// The lead back of a suit owed after answering the partner's knock.
bool returnLead(GameState& g) {
    const Byte t = g.turnSeat;
    if (g.leadSuit == 0 || g.returnSuit[t] != g.leadSuit) return false;
    if (countHeld(g, g.leadSuit) > 0) {
        pickHighest(g, g.leadSuit);
    } else {
        pickLeastValuable(g);
    }
    g.returnSuit[t] = 0;
    return true;
}

// The order the rules are tried in: the suits with three top cards first, then
// two, then one; the lower suit first among suits with as many.
constexpr int ruleOrder(int tops, Byte suit) {
    return (3 - tops) * 8 + suit;
}
constexpr int kNoRuleFired = ruleOrder(0, 8);

}  // namespace

void holdingSignal(GameState& g, Byte suit) {
    const Byte t = g.turnSeat;
    const Byte held = countHeld(g, suit);
    const bool signals = g.topDealt[t][1][suit] != 1 && held > 0;
    const Byte holding = held == 1 ? kVolo : kStriscio;
    g.trickSignals[t] = signals ? holding : g.trickSignals[t];
}

// Each suit's rule, by how many top cards it holds, is read at once; the first
// suit in the rules' order whose rule fires is led, and leadSuit is left on it.
// When none fires, leadSuit is left on Spade, the last suit examined.
void chooseLead(GameState& g) {
    g.chosenSlot = 0;
    g.suitTopCount = {};
    if (returnLead(g)) {
        holdingSignal(g, g.leadSuit);
        return;
    }
    const CardSet seen = g.playedCards[1] | g.playedCards[2] | g.playedCards[3];
    std::array<Lead, 5> lead{};
    int first = kNoRuleFired;
    for (Byte suit = 1; suit <= 4; ++suit) {
        const SuitView view = suitView(g, seen, suit);
        g.suitTopCount[suit] = topCount(view.tops);
        lead[suit] = kLeadRules[viewKey(view)];
        const int order =
            lead[suit] == Lead::NotYet ? kNoRuleFired : ruleOrder(g.suitTopCount[suit], suit);
        first = std::min(first, order);
    }
    if (first == kNoRuleFired) {
        g.leadSuit = 4;
        pickLeastValuable(g);
        return;
    }
    g.leadSuit = static_cast<Byte>(first % 8);
    if (lead[g.leadSuit] == Lead::Knock) return knock(g, g.leadSuit);
    pickHighest(g, g.leadSuit);
    holdingSignal(g, g.leadSuit);
}

}  // namespace morvello
