// What this suite guards: the life of a match through the controller: Continue,
// Repeat the last hand (the same cards, the score replaced), New Game, and the
// menus at each stage.
#include <gtest/gtest.h>

#include "match/commands.h"
#include "match_harness.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// A match of computer players from seeded shuffles, seat 2 dealing first; the
// commands after each deal come from `next`, given how many were asked for.
struct FlowRun {
    RecordingTable table;
    MatchRun run{table, MatchOptions{shuffles(3), Byte{2}, kFourComputers}};
    std::vector<GameState> atCommand;  // the state at each wait for a command

    void play(const std::function<Command(int asked, const GameState&)>& next) {
        table.chooseCommand = [&](const GameState& g) {
            atCommand.push_back(g);
            return next(static_cast<int>(atCommand.size()), g);
        };
        run.run();
    }
};

// Repeat the last hand is refused before any deal of the run, and after deal 1
// it does nothing; after deal 2 it deals the same cards and replaces the deal's
// score. Continue moves the dealer right without a new choice (the first match's
// dealer was given); New Game starts a fresh match with a dealer choice.
TEST(MatchFlow, ContinueRepeatTheLastHandAndNewGame) {
    FlowRun f;
    EXPECT_EQ(f.run.match().replayAnswer(), ReplayAnswer::Refused);
    const std::vector<Command> commands{Command::Continue, Command::Replay, Command::NewGame};
    f.play([&](int asked, const GameState&) {
        if (asked <= 2) {
            EXPECT_EQ(f.run.match().replayAnswer(),
                      asked == 1 ? ReplayAnswer::Nothing : ReplayAnswer::Confirm);
        }
        return asked <= 3 ? commands[std::size_t(asked - 1)] : Command::Quit;
    });
    ASSERT_EQ(f.atCommand.size(), 4u);
    EXPECT_TRUE(f.table.logged("replayed deal 2 dealer 3"));
    const GameState &before = f.atCommand[0], &first = f.atCommand[1], &again = f.atCommand[2];
    EXPECT_EQ(again.deck, first.deck);
    EXPECT_EQ(again.hands, first.hands);
    EXPECT_EQ(again.matchTotal[0], before.matchTotal[0] + again.dealScoreA[2] / 3);
    EXPECT_EQ(again.matchTotal[1], before.matchTotal[1] + again.dealScoreB[2] / 3);
    EXPECT_EQ(again.dealScoreA.size(), 3u);  // deals 1 and 2, index 0 unused

    const GameState& fresh = f.atCommand[3];
    EXPECT_EQ(fresh.dealNumber, 1);
    EXPECT_EQ(fresh.matchTotal[0], fresh.dealScoreA[1] / 3);  // totals started from zero
    EXPECT_EQ(fresh.matchTotal[1], fresh.dealScoreB[1] / 3);
    EXPECT_TRUE(f.table.logged("deal 1 dealer 2"));
    const std::size_t second = f.table.indexOf("deal 2 dealer 3");
    const std::size_t freshDeal = f.table.indexOfPrefix("deal 1 ", second);
    ASSERT_LT(freshDeal, f.table.log.size());
    const std::size_t firstDraw = f.table.indexOfPrefix("draw seat ");
    EXPECT_LT(second, firstDraw);
    EXPECT_LT(firstDraw, freshDeal);
}

// While a deal is played the options that change it are disabled; between deals
// Continue and Repeat the last hand are offered until the match is over.
TEST(MatchFlow, MenusFollowTheStagesOfAMatch) {
    FlowRun f;
    f.play([](int, const GameState& g) {
        return g.menus.continueEnabled ? Command::Continue : Command::Quit;
    });
    ASSERT_GE(f.atCommand.size(), 2u);
    bool playing = false;
    for (const std::string& line : f.table.log) {
        if (line.rfind("deal ", 0) == 0) playing = true;
        if (line == "result") playing = false;
        if (playing && line.rfind("menus", 0) == 0) {
            EXPECT_EQ(line.find(" allow-declare"), std::string::npos) << line;
            EXPECT_EQ(line.find(" score"), std::string::npos) << line;
            EXPECT_EQ(line.find(" replay"), std::string::npos) << line;
        }
    }
    const MenuState& midMatch = f.atCommand.front().menus;
    EXPECT_TRUE(midMatch.continueEnabled && midMatch.replayEnabled && midMatch.newGameEnabled);
    EXPECT_FALSE(midMatch.scoreEnabled);
    const GameState& over = f.atCommand.back();
    EXPECT_TRUE(f.table.logged("game over"));
    EXPECT_FALSE(over.menus.continueEnabled || over.menus.replayEnabled);
    EXPECT_TRUE(over.menus.newGameEnabled && over.menus.allowDeclareEnabled &&
                over.menus.scoreEnabled);
    EXPECT_EQ(over.matchTotal, (std::array<int, 2>{0, 0}));  // reset after GAME OVER
}

}  // namespace
}  // namespace morvello
