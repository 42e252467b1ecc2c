// Mescola: a new random order of the 40 cards in deck.
#pragma once

#include <random>

#include "cards/game_state.h"

namespace morvello {

using ShuffleEngine = std::mt19937;

// Draws r = Int(u x 41) until it names a card still in the pool, for each of the
// 40 places: a uniform permutation by rejection.
void Mescola(GameState& g, ShuffleEngine& engine);

// An engine seeded from the time of day, as the game reseeds before every shuffle.
ShuffleEngine timeOfDayEngine();

// True when deck holds a permutation of 1..40.
bool isFullDeck(const std::array<int, 41>& deck);

}  // namespace morvello
