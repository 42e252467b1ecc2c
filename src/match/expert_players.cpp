#include "match/expert_players.h"

#include <vector>

namespace morvello {

std::mt19937 samplingEngine(const Deck& deck, std::uint32_t seed) {
    std::vector<std::uint32_t> words(deck.begin(), deck.end());
    words.push_back(seed);
    std::seed_seq sequence(words.begin(), words.end());
    return std::mt19937(sequence);
}

Byte expertHintCard(const SeatView& view) {
    std::seed_seq sequence(view.hand.begin(), view.hand.end());
    std::mt19937 engine(sequence);
    return expertCard(knowledgeOf(view), kDefaultExpertSamples, engine);
}

}  // namespace morvello
