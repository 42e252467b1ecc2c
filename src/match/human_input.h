// The human's card: whether a clicked card may be played, and playing it.
#pragma once

#include "cards/game_state.h"
#include "match/table.h"

namespace morvello {

// A card may be played when the human leads, when it has the lead suit, or when
// the human holds no card of the lead suit.
bool isLegalPlay(const GameState& g, Byte card);

// The lead suit's name for the refusal "You have " + name.
std::string refusalMessage(const GameState& g);

// Takes the card out of the human's hand: cardToPlay, its slot, the tag cleared,
// the played mark, and the card sound.
void playHumanCard(GameState& g, Table& table, Byte card);

}  // namespace morvello
