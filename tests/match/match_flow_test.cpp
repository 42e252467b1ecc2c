// The life of a match: Continue, Repeat the last hand, New Game, the settling of
// a deal and the menus at each stage.
#include <gtest/gtest.h>

#include "match/commands.h"
#include "recording_table.h"
#include "scoring/settlement.h"

namespace morvello {
namespace {

using testing::RecordingTable;

// Records each deal as the runner sees it.
class DealLog : public RecordingTable {
  public:
    using RecordingTable::RecordingTable;
    struct Deal {
        int number, dealer;
        bool replay;
        std::array<std::array<Byte, 12>, 5> hands;
        std::array<int, 2> score{}, totals{};
        MenuState menusWhilePlaying;
    };
    std::vector<Deal> deals;
    void onDeal(bool replay) override {
        deals.push_back({g_.dealNumber, g_.dealerSeat, replay, g_.hands, {}, {}, g_.menus});
    }
    void onResult(int) override {
        const int n = g_.dealNumber;
        deals.back().score = {g_.dealScoreA[n] / 3, g_.dealScoreB[n] / 3};
        deals.back().totals = g_.matchTotal;
    }
};

// Plays from a seeded shuffle, answering each deal's end with `command`.
void play(GameState& g, HeadlessTable& table, std::function<void(GameState&)> command,
          std::uint32_t seed = 3) {
    Form_Activate(g);
    table.computerAtSeatOne = true;
    table.command = std::move(command);
    ShuffleEngine engine(seed);
    Task<> run = Main(g, table,
                      MainOptions{[&](GameState& s) {
                                      Mescola(s, engine);
                                      return true;
                                  },
                                  Byte{2}});
    run.start();
    run.rethrowIfFailed();
}

TEST(MatchFlow, ContinueMovesTheDealerRightWithoutANewChoice) {
    GameState g;
    DealLog table(g);
    play(g, table, [&](GameState& s) {
        if (table.deals.size() < 3 && s.menus.continueEnabled) continue_Click(s, table);
    });
    ASSERT_GE(table.deals.size(), 2u);
    EXPECT_EQ(table.deals[0].dealer, 2);
    EXPECT_EQ(table.deals[1].dealer, 3);
    EXPECT_EQ(table.deals[1].number, 2);
    EXPECT_EQ(table.deckClicks, 0);  // the first match's dealer was given
}

TEST(MatchFlow, RepeatTheLastHandDealsTheSameCardsAndReplacesTheScore) {
    GameState g;
    DealLog table(g);
    bool asked = false;
    play(g, table, [&](GameState& s) {
        if (table.deals.size() == 1) {
            EXPECT_EQ(menu_replay_Click(s), ReplayAnswer::Nothing);  // first deal of the match
            continue_Click(s, table);
        } else if (table.deals.size() == 2 && !asked) {
            asked = true;
            ASSERT_EQ(menu_replay_Click(s), ReplayAnswer::Confirm);
            confirmReplay(s);
        }
    });
    ASSERT_EQ(table.deals.size(), 3u);
    const auto& first = table.deals[1];
    const auto& again = table.deals[2];
    EXPECT_TRUE(again.replay);
    EXPECT_EQ(again.number, 2);
    EXPECT_EQ(again.dealer, first.dealer);
    EXPECT_EQ(again.hands, first.hands);
    const auto& before = table.deals[0].totals;
    EXPECT_EQ(again.totals[0], before[0] + again.score[0]);
    EXPECT_EQ(again.totals[1], before[1] + again.score[1]);
    EXPECT_EQ(g.dealScoreA.size(), 3u);  // deals 1 and 2, index 0 unused
}

TEST(MatchFlow, NewGameStartsAFreshMatchWithADealerChoice) {
    GameState g;
    DealLog table(g);
    int commands = 0;
    play(g, table, [&](GameState& s) {
        if (++commands == 1)
            continue_Click(s, table);
        else if (commands == 2)
            menu_NewGame_Click(s);
        else {
            EXPECT_EQ(s.dealNumber, 1);
        }
    });
    ASSERT_EQ(table.deals.size(), 3u);
    EXPECT_EQ(table.deals[2].number, 1);
    EXPECT_EQ(table.deals[2].totals, table.deals[2].score);  // totals started from zero
    EXPECT_GE(table.deckClicks, 4);
}

TEST(MatchFlow, MenusFollowTheStagesOfAMatch) {
    GameState g;
    DealLog table(g);
    std::vector<MenuState> settled;
    play(g, table, [&](GameState& s) {
        settled.push_back(s.menus);
        if (s.menus.continueEnabled) continue_Click(s, table);
    });
    ASSERT_GE(settled.size(), 2u);
    for (const auto& deal : table.deals) {
        EXPECT_FALSE(deal.menusWhilePlaying.allowDeclareEnabled);
        EXPECT_FALSE(deal.menusWhilePlaying.scoreEnabled);
        EXPECT_FALSE(deal.menusWhilePlaying.replayEnabled);
    }
    const MenuState& midMatch = settled.front();
    EXPECT_TRUE(midMatch.continueEnabled && midMatch.replayEnabled && midMatch.newGameEnabled);
    EXPECT_FALSE(midMatch.scoreEnabled);
    const MenuState& over = settled.back();  // GAME OVER
    EXPECT_FALSE(over.continueEnabled || over.replayEnabled);
    EXPECT_TRUE(over.newGameEnabled && over.allowDeclareEnabled && over.scoreEnabled);
    EXPECT_EQ(g.matchTotal, (std::array<int, 2>{0, 0}));  // reset after GAME OVER
}

TEST(MatchFlow, ReplayIsRefusedBeforeAnyDealOfTheRun) {
    GameState g;
    EXPECT_EQ(menu_replay_Click(g), ReplayAnswer::Refused);
    g.noReplayDeck = false;
    EXPECT_EQ(menu_replay_Click(g), ReplayAnswer::Nothing);
    g.dealNumber = 3;
    EXPECT_EQ(menu_replay_Click(g), ReplayAnswer::Confirm);
}

TEST(Settlement, FractionsDropAndTheLastTrickCountsWhole) {
    GameState g;
    g.turnSeat = 4;                // won the tenth trick
    dealScore(g, 0) = 17 + 3 * 7;  // 5 2/3 card points and declarations of 3 + 4
    dealScore(g, 1) = 15;          // 5 card points
    g.cardPoints = {17, 15};
    settleDeal(g);
    EXPECT_EQ(g.cardPoints, (std::array<int, 2>{15, 15}));
    EXPECT_EQ(g.dealScoreA[1], 3 * 12);
    EXPECT_EQ(g.dealScoreB[1], 3 * 6);
    EXPECT_EQ(g.matchTotal, (std::array<int, 2>{12, 6}));
}

TEST(Settlement, EqualTotalsNeverEndAMatch) {
    GameState g;
    auto over = [&](int a, int b, int option) {
        g.matchTotal = {a, b};
        g.scoreOption = static_cast<Byte>(option);
        return isMatchOver(g);
    };
    EXPECT_FALSE(over(21, 21, 0));
    EXPECT_TRUE(over(22, 21, 0));
    EXPECT_TRUE(over(20, 25, 0));
    EXPECT_TRUE(over(21, 12, 0));
    EXPECT_FALSE(over(20, 20, 0));
    EXPECT_FALSE(over(30, 20, 1));
    EXPECT_TRUE(over(31, 20, 1));
}

}  // namespace
}  // namespace morvello
