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
// known cards and as many cards as it has left, a card of each suit it holds,
// no card of a suit it lacks and none it was not dealt, and a seat that
// announced its declarations was dealt a hand making exactly those. A card of
// each held suit is dealt first, then the others most constrained first, each
// to a seat drawn in proportion to the room left in its hand; a dead end or a
// hand that disagrees with its declarations deals again.
// False when no deal was found in kSamplerAttempts tries.
bool sampleHands(const SeatKnowledge& k, std::mt19937& engine, SampledHands& hands);

inline constexpr int kSamplerAttempts = 256;

}  // namespace morvello
