// What this suite guards: what a seat knows agrees with the real deal, every sampled
// deal keeps all it knows, impossible knowledge is refused, and only true shown
// signals are noted.
#include <gtest/gtest.h>

#include <bit>

#include "cards/play_signal.h"
#include "expert/deal_sampler.h"
#include "positions.h"

namespace morvello {
namespace {

using testing::dealtDeclarations;
using testing::handOf;

constexpr int kDealsPerPosition = 8;

// A seat has shown its declarations, or that it has none, with its second card.
constexpr int kCardsBeforeAnnouncing = 2;

CardSet playedByAll(const GameState& g) {
    return g.playedCards[1] | g.playedCards[2] | g.playedCards[3] | g.playedCards[4];
}

// Checks a deal of the unplayed cards against what the seat knows and against
// what is true of the real deal: the signals shown, the suits lacked, the
// declarations announced. The real deal itself must pass (the knowledge is read,
// not guessed), and so must every deal sampled from the knowledge.
void expectAgrees(const GameState& g, const SeatKnowledge& k, const SampledHands& hands) {
    CardSet dealt = 0;
    for (Byte s = 1; s <= 4; ++s) {
        EXPECT_EQ(dealt & hands[s], 0u) << "a card dealt twice";
        dealt |= hands[s];
        EXPECT_EQ(std::popcount(hands[s]), k.handSize[s]);
        EXPECT_EQ(hands[s] & k.known[s], k.known[s]) << "a known card moved, seat " << int(s);
        EXPECT_EQ(hands[s] & k.notDealt[s], 0u);
        for (int suit = 1; suit <= 4; ++suit) {
            const unsigned bit = 1U << suit;
            const bool lacked = ((k.lackedSuits[s] | g.lackedSuits[s] | g.voloSuits[s]) & bit) != 0;
            const bool held = ((k.heldSuits[s] | g.striscioSuits[s]) & bit) != 0;
            EXPECT_TRUE(!lacked || (hands[s] & suitCards(suit)) == 0) << "seat " << int(s);
            EXPECT_TRUE(!held || (hands[s] & suitCards(suit)) != 0) << "seat " << int(s);
        }
        const bool announced =
            k.announced[s] || std::popcount(g.playedCards[s]) >= kCardsBeforeAnnouncing;
        EXPECT_TRUE(!announced || dealtDeclarations(hands[s] | g.playedCards[s]) == g.declSlots[s]);
        EXPECT_TRUE(!k.announced[s] || k.shownSlots[s] == g.declSlots[s]);
    }
    EXPECT_EQ(hands[k.seat], handOf(g, k.seat));
    EXPECT_EQ(dealt & playedByAll(g), 0u) << "a played card came back";
    EXPECT_EQ(dealt | playedByAll(g), ~CardSet{0} << 1 & ~(~CardSet{0} << (kCardCount + 1)));
}

TEST(SamplerOverRealDeals, TheRealHandsAndEverySampledDealAgreeWithWhatTheSeatKnows) {
    std::mt19937 engine(5);
    int declaredCardsKnown = 0, lacks = 0, flings = 0, holds = 0;
    for (const GameState& g : testing::positionsOfMatches(31, 25)) {
        const SeatKnowledge k = knowledgeOf(seatView(g, g.turnSeat));
        SampledHands real{};
        for (Byte s = 1; s <= 4; ++s) {
            real[s] = handOf(g, s);
            if (s != k.seat) declaredCardsKnown += std::popcount(k.known[s]);
            lacks += std::popcount(k.lackedSuits[s]);
            flings += std::popcount(g.voloSuits[s]);
            holds += std::popcount(k.heldSuits[s]);
        }
        expectAgrees(g, k, real);
        EXPECT_EQ(k.known[k.seat], handOf(g, k.seat));
        EXPECT_EQ(k.hidden & (playedByAll(g) | handOf(g, k.seat)), 0u);
        for (int n = 0; n < kDealsPerPosition; ++n) {
            SampledHands hands{};
            ASSERT_TRUE(sampleHands(k, engine, hands));
            expectAgrees(g, k, hands);
        }
    }
    EXPECT_GT(declaredCardsKnown, 0);  // some declarations revealed cards
    EXPECT_GT(lacks, 0);
    EXPECT_GT(flings, 0);  // the shown signals told something
    EXPECT_GT(holds, 0);
}

TEST(Sampler, RefusesKnowledgeThatNoDealAgreesWith) {
    SeatKnowledge k;
    k.seat = 1;
    k.handSize = {0, 0, 1, 0, 0};
    k.hidden = cardBit(5);
    k.lackedSuits[2] = 1U << suitOf(5);
    std::mt19937 engine(1);
    SampledHands hands{};
    EXPECT_FALSE(sampleHands(k, engine, hands));
    k.handSize[3] = 0;
    k.handSize[2] = 2;
    k.known[2] = cardBit(6) | cardBit(7) | cardBit(8);
    EXPECT_FALSE(sampleHands(k, engine, hands));  // more known cards than room
}

// A match with the human at seat 1 flinging every card it leads, and only the
// leader showing Volo and Striscio: what is noted is what the computer seats
// showed, and what they showed is true.
class SignalWatch : public HeadlessTable, public MatchObserver {
  public:
    int flings = 0, creeps = 0, unshown = 0, humanSignals = 0;

    Wait<> cardPlayed(Byte seat, Byte card, const Hand&, Byte shown, bool) override {
        check(seat, card, shown);
        return {};
    }
    Wait<> cardToTable(Byte seat, Byte card, Byte shown, bool) override {
        check(seat, card, shown);
        return {};
    }
    void onDeclarations(const GameState& g) override {
        EXPECT_EQ(g.voloSuits, (std::array<Byte, 5>{})) << "a new deal starts knowing nothing";
        EXPECT_EQ(g.striscioSuits, (std::array<Byte, 5>{}));
    }

  private:
    void check(Byte seat, Byte card, Byte shown) {
        const GameState& g = state();
        if (seat == 1) {
            EXPECT_EQ(g.voloSuits[1] | g.striscioSuits[1], 0);
            humanSignals += shown != kNoSignal;
            return;
        }
        const unsigned bit = 1U << suitOf(card);
        const bool moreOfSuit = (handOf(g, seat) & suitCards(suitOf(card))) != 0;
        EXPECT_EQ((g.voloSuits[seat] & bit) != 0, shown == kVolo);
        EXPECT_EQ((g.striscioSuits[seat] & bit) != 0, shown == kStriscio);
        EXPECT_TRUE(shown != kVolo || !moreOfSuit);
        EXPECT_TRUE(shown != kStriscio || moreOfSuit);
        flings += shown == kVolo;
        creeps += shown == kStriscio;
        unshown += shown == kNoSignal && g.trickSignals[seat] != kNoSignal;
    }
};

TEST(ShownSignals, OnlyTheComputerSeatsShownSignalsAreNotedAndTheyAreTrue) {
    SignalWatch table;
    table.chooseSignal = [](const GameState&) { return int{kVolo}; };
    int over = 0;
    table.chooseCommand = [&](const GameState& g) {
        if (g.menus.continueEnabled) return Command::Continue;
        return ++over == 3 ? Command::Quit : Command::NewGame;
    };
    testing::MatchRun run(table, MatchOptions{testing::shuffles(12), Byte{1}, kOnePersonAtSeatOne});
    run.match().addObserver(table);
    run.setUp().allowAllDeclare = kOnlyLeaderDeclares;
    run.run();
    EXPECT_GT(table.flings, 0);
    EXPECT_GT(table.creeps, 0);
    EXPECT_GT(table.unshown, 0);  // a follower's, or the last trick's
    EXPECT_GT(table.humanSignals, 0);
}

}  // namespace
}  // namespace morvello
