// Deals the cards a seat cannot see among the other seats, at random, keeping
// only deals that agree with what the seat knows.
#pragma once

#include <array>
#include <random>

#include "expert/seat_knowledge.h"

namespace morvello {

// The unplayed cards of each seat 1..4 in one sampled deal.
using SampledHands = std::array<CardSet, 5>;

// Fills hands with one deal agreeing with the knowledge: each seat holds its
// known cards and as many cards as it has left, no card of a suit it lacks and
// none it was not dealt. Cards are dealt most constrained first, each to a seat
// drawn in proportion to the room left in its hand; a dead end deals again.
// False when no deal was found in kSamplerAttempts tries.
bool sampleHands(const SeatKnowledge& k, std::mt19937& engine, SampledHands& hands);

inline constexpr int kSamplerAttempts = 64;

}  // namespace morvello
