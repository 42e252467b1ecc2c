// The last deal as the controller told it: every event from the deal to its
// result, each with the state as it stood. The review and the export read it;
// nothing in it changes the game.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "match/match_observer.h"

namespace morvello {

struct DealEvent {
    enum class Kind { Deal, Declarations, Play, SignalChosen, Trick, Result };
    DealEvent(Kind k, const GameState& g, Byte s = 0, Byte c = 0, int v = 0, bool r = false)
        : kind(k), state(g), seat(s), card(c), value(v), replay(r) {}
    Kind kind = Kind::Deal;
    GameState state;
    Byte seat = 0;        // Play: the seat; Trick: the winner
    Byte card = 0;        // Play: the card
    int value = 0;        // Trick: its thirds; Result: the couple of the last trick
    bool replay = false;  // Deal: a repeated deal
};

using DealEvents = std::vector<DealEvent>;

class DealRecorder final : public MatchObserver {
  public:
    // The events of the last settled deal; empty until a deal is settled.
    const DealEvents& lastDeal() const { return last_; }
    // Told once a deal is settled and lastDeal() holds it.
    std::function<void()> onSettled;

    void onDeal(const GameState& g, bool replay) override;
    void onDeclarations(const GameState& g) override;
    void onPlay(const GameState& g, Byte seat, Byte card) override;
    void onSignalChosen(const GameState& g, Byte signal) override;
    void onTrick(const GameState& g, Byte winner, int thirds) override;
    void onResult(const GameState& g, int lastTrickCouple) override;

  private:
    DealEvents current_;
    DealEvents last_;
};

// Tells a listener the recorded event again.
void tellEvent(const DealEvent& event, MatchObserver& to);

// Writes the deal as the JSON Lines the runner's trace prints for it.
void writeDealTrace(const DealEvents& deal, std::FILE* out);
std::string dealTrace(const DealEvents& deal);

// The deck as one line of a deck file: the 40 codes in dealing order, by spaces.
std::string deckLine(const Deck& deck);

// The deal's deck as a whole deck file, which morvello-sim deals with the same
// dealer: the line `dealer N`, then the deck line.
std::string deckFileText(const Deck& deck, Byte dealer);

}  // namespace morvello
