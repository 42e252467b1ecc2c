#include "match/expert_players.h"

#include <vector>

namespace morvello {

std::mt19937 samplingEngine(const Deck& deck, std::uint32_t seed) {
    std::vector<std::uint32_t> words(deck.begin(), deck.end());
    words.push_back(seed);
    std::seed_seq sequence(words.begin(), words.end());
    return std::mt19937(sequence);
}

Byte expertHintCard(const GameState& g, Byte seat) {
    std::mt19937 engine = samplingEngine(g.deck, static_cast<std::uint32_t>(g.cardsPlayed));
    return expertCard(knowledgeOf(seatView(g, seat)), kDefaultExpertSamples, engine);
}

}  // namespace morvello
