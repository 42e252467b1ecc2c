// The Expert computer player: for each card it may play, it plays out many
// deals of the cards it cannot see, dealt at random among the other seats in
// agreement with all it knows, and picks the card with the best average score
// for its couple. It reads the game state only through SeatKnowledge.
#pragma once

#include <random>

#include "cards/game_state.h"
#include "expert/seat_knowledge.h"

namespace morvello {

inline constexpr int kDefaultExpertSamples = 1000;

// The card the Expert in the knowing seat (its turn) chooses with that many
// sampled deals. With no consistent deal found it keeps the classic strategy's card.
Byte expertCard(const SeatKnowledge& k, int samples, std::mt19937& engine);

// turnSeat chooses as the Expert and gives the card up as chooseComputerCard
// does: cardToPlay and chosenSlot set, the card marked played, the signal given.
void expertChooses(GameState& g, int samples, std::mt19937& engine);

// turnSeat gives up `card`, chosen by the Expert, as expertChooses does.
void expertGivesUp(GameState& g, Byte card);

}  // namespace morvello
