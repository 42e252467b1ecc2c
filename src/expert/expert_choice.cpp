#include "expert/expert_choice.h"

#include <vector>

#include "expert/deal_sampler.h"
#include "expert/playout.h"
#include "players/card_choice.h"

namespace morvello {
namespace {

// The cards of the seat it may play: all when it leads, else the suit led if it
// holds any. The classic strategy's card comes first, so it wins a tie.
std::vector<Byte> legalCards(const GameState& g, Byte seat, Byte classicCard) {
    std::vector<Byte> own, suited;
    const int led = seat == g.leaderSeat ? 0 : suitOf(g.tableCards[g.leaderSeat]);
    for (int slot = 1; slot <= 10; ++slot) {
        const Byte card = g.hands[seat][slot];
        if (card < 1 || card > kCardCount) continue;
        own.push_back(card);
        if (suitOf(card) == led) suited.push_back(card);
    }
    std::vector<Byte> legal{classicCard};
    for (const Byte card : suited.empty() ? own : suited)
        if (card != classicCard) legal.push_back(card);
    return legal;
}

Byte classicChoice(const GameState& g) {
    GameState copy = g;
    chooseComputerCard(copy);
    return copy.cardToPlay;
}

}  // namespace

Byte expertCard(const SeatKnowledge& k, int samples, std::mt19937& engine) {
    const Byte classicCard = classicChoice(k.seen);
    if (classicCard == 0) return 0;
    const std::vector<Byte> legal = legalCards(k.seen, k.seat, classicCard);
    if (legal.size() == 1) return classicCard;
    std::vector<long> totals(legal.size(), 0);
    SampledHands hands{};
    for (int n = 0; n < samples; ++n) {
        if (!sampleHands(k, engine, hands)) return classicCard;
        const GameState dealt = sampledState(k, hands);
        for (std::size_t i = 0; i < legal.size(); ++i)
            totals[i] += playOutWith(dealt, legal[i], classicCard);
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < legal.size(); ++i)
        if (totals[i] > totals[best]) best = i;
    return legal[best];
}

void expertChooses(GameState& g, int samples, std::mt19937& engine) {
    expertGivesUp(g, expertCard(knowledgeOf(seatView(g, g.turnSeat)), samples, engine));
}

void expertGivesUp(GameState& g, Byte card) {
    if (card == 0) {
        g.cardToPlay = 0;
        return;
    }
    giveUpCard(g, card, classicChoice(g));
}

}  // namespace morvello
