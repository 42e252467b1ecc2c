// A card's name as a player says it: "Ace of Coppe", "King of Spade".
#pragma once

#include <array>
#include <string>

#include "cards/game_state.h"

namespace morvello {

inline const std::array<std::string, 11> cardValueNames{
    "", "Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Knave", "Horse", "King"};

inline std::string cardName(int card) {
    if (card < 1 || card > kCardCount) return {};
    return cardValueNames[valueOf(card)] + " of " + suitNames[suitOf(card)];
}

}  // namespace morvello
