// shuffleDeck: a new random order of the 40 cards in deck.
#pragma once

#include <cstdint>
#include <random>

#include "cards/game_state.h"

namespace morvello {

// The 32-bit Mersenne Twister: the draws of std::mt19937, kept in 32-bit words
// rather than the 64-bit ones std::mt19937 holds them in here, which halves the
// state it refills every 624 draws.
using ShuffleEngine =
    std::mersenne_twister_engine<std::uint32_t, 32, 624, 397, 31, 0x9908b0dfU, 11, 0xffffffffU, 7,
                                 0x9d2c5680U, 15, 0xefc60000U, 18, 1812433253U>;

// Fills the 40 places of deck one by one with a card drawn at random from those
// still in the pool: a uniform permutation of 1..40.
void shuffleDeck(Deck& deck, ShuffleEngine& engine);

// An engine seeded from the time of day, as the game reseeds before every shuffle.
ShuffleEngine timeOfDayEngine();

// True when deck holds a permutation of 1..40.
bool isFullDeck(const Deck& deck);

}  // namespace morvello
