// Mescola: a new random order of the 40 cards in deck.
#pragma once

#include <random>

#include "cards/game_state.h"

namespace morvello {

using ShuffleEngine = std::mt19937;

// Fills the 40 places of deck one by one with a card drawn at random from those
// still in the pool: a uniform permutation of 1..40.
void Mescola(Deck& deck, ShuffleEngine& engine);

// An engine seeded from the time of day, as the game reseeds before every shuffle.
ShuffleEngine timeOfDayEngine();

// True when deck holds a permutation of 1..40.
bool isFullDeck(const Deck& deck);

}  // namespace morvello
