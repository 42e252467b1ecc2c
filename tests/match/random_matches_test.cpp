// Thousands of random whole matches, every seat played by the computer strategy,
// with random replays, target and signal option: the rules of a deal and of a
// match must hold in every one of them.
#include <gtest/gtest.h>

#include <random>

#include "match/commands.h"
#include "recording_table.h"

namespace morvello {
namespace {

int declarationPoints(const std::array<Byte, 12>& hand) {
    bool held[5][11] = {};
    for (int slot = 1; slot <= 10; ++slot) held[Seme(hand[slot])][ValCarta(hand[slot])] = true;
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
class InvariantTable : public HeadlessTable {
  public:
    InvariantTable(GameState& g, std::mt19937& random) : HeadlessTable(g), random_(random) {
        computerAtSeatOne = true;
        command = [this](GameState& s) { chooseCommand(s); };
    }
    long deals = 0, matches = 0, replays = 0;

    void onDeal(bool replay) override {
        ++deals;
        std::array<int, 41> seen{};
        for (int seat = 1; seat <= 4; ++seat) {
            held_[seat] = {};
            for (int slot = 1; slot <= 10; ++slot) {
                const int card = g_.hands[seat][slot];
                ASSERT_TRUE(card >= 1 && card <= 40);
                ++seen[card];
                held_[seat][card] = true;
            }
        }
        for (int card = 1; card <= 40; ++card) ASSERT_EQ(seen[card], 1) << "card " << card;
        if (replay) {
            EXPECT_EQ(g_.hands, replayedHands_);
        }
        dealtHands_ = g_.hands;
        trickCards_.clear();
        lastWinner_ = 0;
    }

    void onPlay(Byte seat, Byte card) override {
        ASSERT_TRUE(held_[seat][card]) << "seat " << int(seat) << " played " << int(card);
        if (seat != g_.leaderSeat) {
            const int lead = Seme(g_.tableCards[g_.leaderSeat]);
            bool holdsLead = false;
            for (int c = 1; c <= 40; ++c) holdsLead |= held_[seat][c] && Seme(c) == lead;
            if (holdsLead) {
                EXPECT_EQ(Seme(card), lead) << "seat " << int(seat) << " did not follow";
            }
        }
        held_[seat][card] = false;
        trickCards_.push_back({seat, card});
    }

    void onTrick(Byte winner, int thirds) override {
        ASSERT_EQ(trickCards_.size(), 4u);
        int expectedThirds = 0;
        for (const auto& play : trickCards_) expectedThirds += cardThirds(play.second);
        EXPECT_EQ(thirds, expectedThirds);
        EXPECT_EQ(winner, strongestOfLeadSuit());
        lastWinner_ = winner;
        trickCards_.clear();
    }

    void onResult(int lastTrickCouple) override {
        const int n = g_.dealNumber;
        EXPECT_EQ(lastTrickCouple, coupleOf(lastWinner_));
        EXPECT_EQ(g_.cardPoints[0] / 3 + g_.cardPoints[1] / 3, 10);
        const int declA = declarationPoints(dealtHands_[1]) + declarationPoints(dealtHands_[3]);
        const int declB = declarationPoints(dealtHands_[2]) + declarationPoints(dealtHands_[4]);
        EXPECT_EQ(g_.declPoints[1] + g_.declPoints[3], declA);
        EXPECT_EQ(g_.declPoints[2] + g_.declPoints[4], declB);
        EXPECT_EQ(g_.dealScoreA[n] / 3, g_.cardPoints[0] / 3 + declA + (lastTrickCouple == 0));
        EXPECT_EQ(g_.dealScoreB[n] / 3, g_.cardPoints[1] / 3 + declB + (lastTrickCouple == 1));
        std::array<int, 2> sum{};
        for (int deal = 1; deal <= n; ++deal) {
            sum[0] += g_.dealScoreA[deal] / 3;
            sum[1] += g_.dealScoreB[deal] / 3;
        }
        EXPECT_EQ(g_.matchTotal, sum);
        const int target = g_.targetPoints[g_.scoreOption];
        expectOver_ = (sum[0] >= target || sum[1] >= target) && sum[0] != sum[1];
        over_ = false;
        replayedHands_ = dealtHands_;
    }

    void onGameOver(int winner, int a, int b) override {
        over_ = true;
        ++matches;
        EXPECT_EQ(winner, a > b ? 0 : 1);
    }

  private:
    int strongestOfLeadSuit() const {
        const int lead = Seme(trickCards_[0].second);
        std::pair<Byte, Byte> best = trickCards_[0];
        for (const auto& play : trickCards_)
            if (Seme(play.second) == lead &&
                rankPosition(ValCarta(play.second)) < rankPosition(ValCarta(best.second)))
                best = play;
        return best.first;
    }

    void chooseCommand(GameState& s) {
        EXPECT_EQ(over_, expectOver_);
        if (over_) return;  // one match a run
        if (s.dealNumber > 1 && random_() % 5 == 0 &&
            menu_replay_Click(s) == ReplayAnswer::Confirm) {
            confirmReplay(s);
            ++replays;
            return;
        }
        continue_Click(s, *this);
    }

    std::mt19937& random_;
    std::array<std::array<bool, 41>, 5> held_{};
    std::array<std::array<Byte, 12>, 5> dealtHands_{}, replayedHands_{};
    std::vector<std::pair<Byte, Byte>> trickCards_;
    Byte lastWinner_ = 0;
    bool over_ = false, expectOver_ = false;
};

TEST(RandomMatches, RulesHoldInTwentyThousandMatches) {
    std::mt19937 random(20240601);
    ShuffleEngine engine(7);
    GameState g;  // one run of the program: state carries from match to match
    long deals = 0, matches = 0, replays = 0;
    for (int match = 0; match < 20000 && !HasFailure(); ++match) {
        g.scoreOption = static_cast<Byte>(random() % 2);
        g.allowAllDeclare = static_cast<Byte>(1 + random() % 2);
        InvariantTable table(g, random);
        Form_Activate(g);
        std::optional<Byte> dealer;  // half the matches choose their dealer by the draw
        if (match == 0 || random() % 2) dealer = static_cast<Byte>(random() % 5);
        MainOptions options{[&](GameState& s) {
                                Mescola(s, engine);
                                return true;
                            },
                            dealer};
        Task<> run = Main(g, table, std::move(options));
        run.start();
        run.rethrowIfFailed();
        ASSERT_TRUE(run.done());
        deals += table.deals;
        matches += table.matches;
        replays += table.replays;
        Azzera(g);
        g.quitRequested = false;
    }
    EXPECT_EQ(matches, 20000);
    EXPECT_GT(replays, 1000);
    EXPECT_GT(deals, 40000);
}

}  // namespace
}  // namespace morvello
