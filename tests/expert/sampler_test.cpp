// The sampler deals the hidden cards only in ways that agree with all the seat
// knows, over positions from real deals.
#include <gtest/gtest.h>

#include <bit>

#include "expert/deal_sampler.h"
#include "positions.h"

namespace morvello {
namespace {

using testing::handOf;

constexpr int kDealsPerPosition = 8;

class SamplerOverRealDeals : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { positions_ = testing::positionsOfMatches(31, 25); }
    static std::vector<GameState> positions_;
};
std::vector<GameState> SamplerOverRealDeals::positions_;

CardSet playedByAll(const GameState& g) {
    return g.playedCards[1] | g.playedCards[2] | g.playedCards[3] | g.playedCards[4];
}

// The real deal agrees with the knowledge: it is read, not guessed.
TEST_F(SamplerOverRealDeals, TheRealHandsAgreeWithWhatTheSeatKnows) {
    int declaredCardsKnown = 0, lacks = 0;
    for (const GameState& g : positions_) {
        const SeatKnowledge k = knowledgeOf(g, g.turnSeat);
        for (Byte s = 1; s <= 4; ++s) {
            const CardSet real = handOf(g, s);
            EXPECT_EQ(k.handSize[s], std::popcount(real));
            EXPECT_EQ(k.known[s] & ~real, 0u) << "seat " << int(s);
            for (int suit = 1; suit <= 4; ++suit) {
                const bool lacked = (k.lackedSuits[s] & (1U << suit)) != 0;
                EXPECT_TRUE(!lacked || (real & suitCards(suit)) == 0);
            }
            if (s != k.seat) declaredCardsKnown += std::popcount(k.known[s]);
            lacks += std::popcount(k.lackedSuits[s]);
        }
        EXPECT_EQ(k.known[k.seat], handOf(g, k.seat));
        EXPECT_EQ(k.hidden & (playedByAll(g) | handOf(g, k.seat)), 0u);
    }
    EXPECT_GT(declaredCardsKnown, 0);  // some declarations revealed cards
    EXPECT_GT(lacks, 0);
}

TEST_F(SamplerOverRealDeals, EverySampledDealKeepsEveryConstraint) {
    std::mt19937 engine(5);
    for (const GameState& g : positions_) {
        const SeatKnowledge k = knowledgeOf(g, g.turnSeat);
        for (int n = 0; n < kDealsPerPosition; ++n) {
            SampledHands hands{};
            ASSERT_TRUE(sampleHands(k, engine, hands));
            CardSet dealt = 0;
            for (Byte s = 1; s <= 4; ++s) {
                EXPECT_EQ(dealt & hands[s], 0u) << "a card dealt twice";
                dealt |= hands[s];
                EXPECT_EQ(std::popcount(hands[s]), k.handSize[s]);
                EXPECT_EQ(hands[s] & k.known[s], k.known[s]) << "a declared card moved";
                EXPECT_EQ(hands[s] & k.notDealt[s], 0u);
                for (int suit = 1; suit <= 4; ++suit) {
                    const bool lacked = (g.lackedSuits[s] & (1U << suit)) != 0;
                    EXPECT_TRUE(!lacked || (hands[s] & suitCards(suit)) == 0);
                }
            }
            EXPECT_EQ(hands[k.seat], handOf(g, k.seat));
            EXPECT_EQ(dealt & playedByAll(g), 0u) << "a played card came back";
            EXPECT_EQ(dealt | playedByAll(g),
                      ~CardSet{0} << 1 & ~(~CardSet{0} << (kCardCount + 1)));
        }
    }
}

TEST(Sampler, RefusesKnowledgeThatNoDealAgreesWith) {
    SeatKnowledge k;
    k.seat = 1;
    k.handSize = {0, 0, 1, 0, 0};
    k.hidden = cardBit(5);
    k.lackedSuits[2] = 1U << Seme(5);
    std::mt19937 engine(1);
    SampledHands hands{};
    EXPECT_FALSE(sampleHands(k, engine, hands));
    k.handSize[3] = 0;
    k.handSize[2] = 2;
    k.known[2] = cardBit(6) | cardBit(7) | cardBit(8);
    EXPECT_FALSE(sampleHands(k, engine, hands));  // more known cards than room
}

}  // namespace
}  // namespace morvello
