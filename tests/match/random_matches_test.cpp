// What this suite guards: the rules of a deal and of a match hold in 20,000 random
// matches, checked against an independent account of each deal; and no seat's view
// holds another seat's unplayed card at any card of many matches.
#include <gtest/gtest.h>

#include <random>

#include "match/commands.h"
#include "match_harness.h"
#include "rules/seat_view.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The account's own reading of a card's value (ace 1 .. king 10): its strength,
// from the 4 up to the 3, and its points in thirds.
constexpr std::array<int, 11> kStrength{0, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 11> kThirds{0, 3, 1, 1, 0, 0, 0, 0, 1, 1, 1};

int declarationPoints(const Hand& hand) {
    bool held[5][11] = {};
    for (int slot = 1; slot <= 10; ++slot) held[suitOf(hand[slot])][valueOf(hand[slot])] = true;
    int points = 0;
    for (int value = 1; value <= 3; ++value) {
        const int suits = held[1][value] + held[2][value] + held[3][value] + held[4][value];
        points += suits == 4 ? 4 : suits == 3 ? 3 : 0;
    }
    for (int suit = 1; suit <= 4; ++suit)
        if (held[suit][1] && held[suit][2] && held[suit][3]) points += 3;
    return points;
}

// Checks every event against an independent account of the deal and the match.
class Invariants : public MatchObserver {
  public:
    long deals = 0, matches = 0;
    bool over = false, expectOver = false;

    void onDeal(const GameState& g, bool replay) override {
        ++deals;
        std::array<int, kCardCount + 1> seen{};
        for (int seat = 1; seat <= 4; ++seat) {
            held_[seat] = {};
            for (int slot = 1; slot <= 10; ++slot) {
                const int c = g.hands[seat][slot];
                ASSERT_TRUE(c >= 1 && c <= kCardCount);
                ++seen[c];
                held_[seat][c] = true;
            }
        }
        for (int c = 1; c <= kCardCount; ++c) ASSERT_EQ(seen[c], 1) << cardName(c);
        if (replay) {
            EXPECT_EQ(g.hands, settledHands_);
        }
        dealtHands_ = g.hands;
        thirds_ = {};
        trickCards_.clear();
        lastWinner_ = 0;
    }

    void onPlay(const GameState& g, Byte seat, Byte c) override {
        ASSERT_TRUE(held_[seat][c]) << "seat " << int(seat) << " played " << cardName(c);
        if (seat != g.leaderSeat) {
            const int lead = suitOf(g.tableCards[g.leaderSeat]);
            bool holdsLead = false;
            for (int other = 1; other <= kCardCount; ++other)
                holdsLead |= held_[seat][other] && suitOf(other) == lead;
            if (holdsLead) {
                EXPECT_EQ(suitOf(c), lead) << "seat " << int(seat) << " did not follow";
            }
        }
        held_[seat][c] = false;
        trickCards_.push_back({seat, c});
    }

    void onTrick(const GameState&, Byte winner, int thirds) override {
        ASSERT_EQ(trickCards_.size(), 4u);
        int expectedThirds = 0;
        for (const auto& play : trickCards_) expectedThirds += kThirds[valueOf(play.second)];
        EXPECT_EQ(thirds, expectedThirds);
        EXPECT_EQ(winner, strongestOfLeadSuit());
        thirds_[coupleOf(winner)] += expectedThirds;
        lastWinner_ = winner;
        trickCards_.clear();
    }

    void onResult(const GameState& g, int lastTrickCouple) override {
        const int n = g.dealNumber;
        EXPECT_EQ(lastTrickCouple, coupleOf(lastWinner_));
        EXPECT_EQ(g.cardPoints[0] / 3 + g.cardPoints[1] / 3, 10);
        EXPECT_EQ(g.cardPoints, (std::array<int, 2>{thirds_[0] / 3 * 3, thirds_[1] / 3 * 3}));
        const int declA = declarationPoints(dealtHands_[1]) + declarationPoints(dealtHands_[3]);
        const int declB = declarationPoints(dealtHands_[2]) + declarationPoints(dealtHands_[4]);
        EXPECT_EQ(g.declPoints[1] + g.declPoints[3], declA);
        EXPECT_EQ(g.declPoints[2] + g.declPoints[4], declB);
        EXPECT_EQ(g.dealScoreA[n], 3 * (thirds_[0] / 3 + declA + (lastTrickCouple == 0)));
        EXPECT_EQ(g.dealScoreB[n], 3 * (thirds_[1] / 3 + declB + (lastTrickCouple == 1)));
        std::array<int, 2> sum{};
        for (int deal = 1; deal <= n; ++deal) {
            sum[0] += g.dealScoreA[deal] / 3;
            sum[1] += g.dealScoreB[deal] / 3;
        }
        EXPECT_EQ(g.matchTotal, sum);
        const int target = g.targetPoints[g.scoreOption];
        expectOver = (sum[0] >= target || sum[1] >= target) && sum[0] != sum[1];
        over = false;
        settledHands_ = dealtHands_;
    }

    void onGameOver(const GameState&, int winner, int a, int b) override {
        over = true;
        ++matches;
        EXPECT_EQ(winner, a > b ? 0 : 1);
    }

  private:
    int strongestOfLeadSuit() const {
        const int lead = suitOf(trickCards_[0].second);
        std::pair<Byte, Byte> best = trickCards_[0];
        for (const auto& play : trickCards_)
            if (suitOf(play.second) == lead &&
                kStrength[valueOf(play.second)] > kStrength[valueOf(best.second)])
                best = play;
        return best.first;
    }

    std::array<std::array<bool, kCardCount + 1>, 5> held_{};
    std::array<Hand, 5> dealtHands_{}, settledHands_{};
    std::array<int, 2> thirds_{};  // the card points each couple has taken, in thirds
    std::vector<std::pair<Byte, Byte>> trickCards_;
    Byte lastWinner_ = 0;
};

// One run of the program plays every match: the state carries from match to
// match, each new match chooses its dealer by the draw and may change the
// target and the signal option first.
TEST(RandomMatches, RulesHoldInTwentyThousandMatches) {
    constexpr long kMatches = 20000;
    std::mt19937 random(20240601);
    HeadlessTable table;
    Invariants invariants;
    MatchRun run(table,
                 MatchOptions{shuffles(7), Byte{0}, kFourComputers});  // no dealer: seat 1 first
    run.match().addObserver(invariants);
    long replays = 0;
    table.chooseCommand = [&](const GameState& g) {
        EXPECT_EQ(invariants.over, invariants.expectOver);
        if (invariants.over) {
            if (invariants.matches == kMatches || ::testing::Test::HasFailure())
                return Command::Quit;
            run.match().setMatchTarget(static_cast<int>(random() % 2));
            run.match().setWhoDeclares(static_cast<int>(1 + random() % 2));
            return Command::NewGame;
        }
        if (g.dealNumber > 1 && random() % 5 == 0 && replayAnswer(g) == ReplayAnswer::Confirm) {
            ++replays;
            return Command::Replay;
        }
        return Command::Continue;
    };
    run.run();
    EXPECT_EQ(invariants.matches, kMatches);
    EXPECT_GT(replays, 1000);
    EXPECT_GT(invariants.deals, 2 * kMatches);
}

// The cards the seat may not see: the other seats' unplayed cards.
CardSet hiddenFrom(const GameState& g, Byte seat) {
    CardSet hidden = 0;
    for (Byte other = 1; other <= 4; ++other) {
        if (other == seat) continue;
        for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
            const Byte entry = g.hands[other][slot];
            if (entry >= 1 && entry <= kCardCount) hidden |= cardBit(entry);
        }
    }
    return hidden;
}

// Every card a view or a state names, wherever it names one.
CardSet cardsNamed(const std::array<Hand, 5>& hands, const std::array<Byte, 5>& table,
                   const std::array<Byte, 5>& trick, Byte last) {
    CardSet named = 0;
    for (const Hand& hand : hands)
        for (const Byte entry : hand)
            if (entry >= 1 && entry <= kCardCount) named |= cardBit(entry);
    for (const Byte c : table) named |= c != 0 ? cardBit(c) : 0;
    for (const Byte c : trick) named |= c != 0 ? cardBit(c) : 0;
    return named | (last != 0 ? cardBit(last) : 0);
}

class ViewsHideUnplayedCards final : public MatchObserver {
  public:
    long checked = 0;

    void onDeal(const GameState& g, bool) override { check(g); }
    void onPlay(const GameState& g, Byte, Byte) override { check(g); }
    void onTrick(const GameState& g, Byte, int) override { check(g); }

  private:
    void check(const GameState& g) {
        for (Byte seat = 1; seat <= 4; ++seat) {
            const CardSet hidden = hiddenFrom(g, seat);
            const SeatView v = seatView(g, seat);
            std::array<Hand, 5> hands = v.playedFromSlots;
            hands[seat] = v.hand;
            ASSERT_EQ(cardsNamed(hands, v.tableCards, v.trickBySeat, v.cardToPlay) & hidden, 0u);

            const GameState seen = stateSeenBy(v);
            ASSERT_EQ(
                cardsNamed(seen.hands, seen.tableCards, seen.trickBySeat, seen.cardToPlay) & hidden,
                0u);
            for (Byte other = 1; other <= 4; ++other) {
                if (other == seat) continue;
                ASSERT_EQ(seen.holdMap[other], (std::array<SuitMask, 5>{}));
                ASSERT_EQ(seen.declPoints[other], 0);
            }
            for (int card = 1; card <= kCardCount; ++card) {
                if (hidden & cardBit(card)) {
                    ASSERT_EQ(seen.slotOf[card], 0) << cardName(card);
                }
            }
            ASSERT_EQ(seen.deck, Deck{});
            ++checked;
        }
    }
};

TEST(SeatView, NoViewHoldsAnotherSeatsUnplayedCard) {
    RecordingTable table;
    int deals = 0;
    table.chooseCommand = [&](const GameState& g) {
        if (++deals == 60) return Command::Quit;
        return g.menus.continueEnabled ? Command::Continue : Command::NewGame;
    };
    ViewsHideUnplayedCards views;
    MatchRun run(table, MatchOptions{shuffles(17), std::nullopt, kFourComputers});
    run.match().addObserver(views);
    run.run();
    EXPECT_GT(views.checked, 60 * 40 * 4);
}

}  // namespace
}  // namespace morvello
