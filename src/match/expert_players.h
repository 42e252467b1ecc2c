// What the Expert seats of a match share, and how their thinking is drawn: a deal's
// sampling is fixed by its deck and the match's seed, so a repeated deal (or a
// run with the same seed) is played the same again.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <random>

#include "cards/game_state.h"
#include "expert/expert_choice.h"
#include "expert/seat_knowledge.h"

namespace morvello {

// One Expert choice under way: what the seat knows at its turn, and, once
// think() has run, its card. It holds copies only, so it may run on another
// thread while the game goes on without it.
struct ExpertThought {
    ExpertThought(SeatKnowledge knowledge, int samples, std::mt19937 engine)
        : knowledge(std::move(knowledge)), samples(samples), engine(engine) {}

    void think() { card = expertCard(knowledge, samples, engine); }

    SeatKnowledge knowledge;  // its seat and the state of the turn it was thought for
    int samples;
    std::mt19937 engine;
    Byte card = 0;
};

// The engine of a deal's sampling: the same deck and seed give the same draws.
std::mt19937 samplingEngine(const Deck& deck, std::uint32_t seed);

struct ExpertPlayers {
    int samples = kDefaultExpertSamples;
    std::uint32_t seed = 0;
    long decisions = 0;                      // cards the Expert has chosen
    std::shared_ptr<ExpertThought> thought;  // thought ahead, during the pause before the turn

    // The deal about to be dealt from deck: its sampling starts afresh.
    void startDeal(const Deck& deck) {
        dealDeck = deck;
        engineSeeded = false;
    }
    // The deal's engine, seeded at its first use (seeding costs more than a
    // classic deal, so deals without an Expert never pay it).
    std::mt19937& engine() {
        if (!engineSeeded) dealEngine = samplingEngine(dealDeck, seed);
        engineSeeded = true;
        return dealEngine;
    }

  private:
    Deck dealDeck{};
    bool engineSeeded = false;
    std::mt19937 dealEngine;
};

// The Expert's card for the seat now, from what the seat sees, as the hint
// shows it when the person's couple plays Expert: the same position always
// gives the same card.
Byte expertHintCard(const SeatView& view);

}  // namespace morvello
