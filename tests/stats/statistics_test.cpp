// What this suite guards: the statistics counted from the controller's events: wins,
// losses, streaks, abandoned matches, a repeated deal, both targets. (Declarations:
// the deal review's test, on the same deal.)
#include <gtest/gtest.h>

#include "stats_fixture.h"

namespace morvello {
namespace {

using namespace morvello::testing;

MatchOptions computerMatches(std::uint32_t seed) {
    return MatchOptions{shuffles(seed), Byte{2}, kFourComputers};
}

// Continue while the match goes on, New Game after it, Quit after `matches`.
std::function<Command(int, const GameState&)> wholeMatches(StatsRun& r, std::size_t matches) {
    return [&r, matches](int, const GameState& g) {
        if (g.menus.continueEnabled) return Command::Continue;
        return r.winners.size() < matches ? Command::NewGame : Command::Quit;
    };
}

TEST(Statistics, FinishedMatchesGiveWinsLossesStreaksAndDeals) {
    StatsRun r(computerMatches(11));
    r.play(wholeMatches(r, 8));
    ASSERT_EQ(r.winners.size(), 8u);
    int won = 0, streak = 0, longest = 0;
    for (const int winner : r.winners) {
        won += winner == 0;
        streak = winner == 0 ? streak + 1 : 0;
        longest = std::max(longest, streak);
    }
    std::array<int, 2> points{};
    for (const GameState& g : r.results) {
        points[0] += g.dealScoreA[g.dealNumber] / 3;
        points[1] += g.dealScoreB[g.dealNumber] / 3;
    }
    const TargetRecord& t = r.stats.byTarget[0];
    EXPECT_EQ(t.matches, 8);
    EXPECT_EQ(t.won, won);
    EXPECT_EQ(t.lost, 8 - won);
    EXPECT_EQ(t.abandoned, 0);
    EXPECT_EQ(t.currentStreak, streak);
    EXPECT_EQ(t.longestStreak, longest);
    EXPECT_EQ(t.deals, static_cast<int>(r.results.size()));
    EXPECT_EQ(t.dealPoints, points);
    EXPECT_EQ(t.lastTricks[0] + t.lastTricks[1], t.deals);
    EXPECT_DOUBLE_EQ(winRate(t).value_or(-1), won / 8.0);
    EXPECT_EQ(r.stats.byTarget[1], TargetRecord{});  // the 31-point column untouched
}

TEST(Statistics, ThirtyOnePointMatchesCountApart) {
    StatsRun r(computerMatches(5));
    r.run.setUp().scoreOption = 1;
    r.play(wholeMatches(r, 1));
    EXPECT_EQ(r.stats.byTarget[1].matches, 1);
    EXPECT_GE(r.stats.byTarget[1].deals, 3);
    EXPECT_EQ(r.stats.byTarget[0], TargetRecord{});
}

TEST(Statistics, NewGameOrQuitBeforeGameOverAbandonsTheMatch) {
    StatsRun r(computerMatches(7));
    r.play([&](int asked, const GameState& g) {
        if (asked == 1) return Command::NewGame;  // after the first deal of a match
        return wholeMatches(r, 1)(asked, g);
    });
    EXPECT_EQ(r.stats.byTarget[0].abandoned, 1);
    EXPECT_EQ(r.stats.byTarget[0].matches, 1);
    EXPECT_EQ(r.stats.byTarget[0].won + r.stats.byTarget[0].lost, 1);

    StatsRun quitting(computerMatches(7));
    quitting.play([](int, const GameState&) { return Command::Quit; });
    quitting.keeper.abandonMatchInProgress();
    quitting.keeper.abandonMatchInProgress();  // the window may end twice
    EXPECT_EQ(quitting.stats.byTarget[0].abandoned, 1);
    EXPECT_EQ(quitting.stats.byTarget[0].matches, 0);

    StatsRun finished(computerMatches(7));
    finished.play(wholeMatches(finished, 1));
    finished.keeper.abandonMatchInProgress();  // quitting after GAME OVER abandons nothing
    EXPECT_EQ(finished.stats.byTarget[0].abandoned, 0);
}

// A repeated deal replaces the deal it repeats; after a reset it takes nothing back.
TEST(Statistics, ARepeatedDealReplacesTheDealItRepeats) {
    for (const bool resetFirst : {false, true}) {
        StatsRun r(computerMatches(3));
        r.play([&](int asked, const GameState&) {
            if (asked == 1) return Command::Continue;
            if (asked > 2) return Command::Quit;
            if (resetFirst) r.keeper.reset();
            r.run.match().replayAnswer();
            return Command::Replay;
        });
        ASSERT_EQ(r.results.size(), 3u);
        const GameState &first = r.results[0], &again = r.results[2];
        const int kept = resetFirst ? 0 : 1;
        const TargetRecord& t = r.stats.byTarget[0];
        EXPECT_EQ(t.deals, 1 + kept);
        EXPECT_EQ(t.dealPoints[0], kept * first.dealScoreA[1] / 3 + again.dealScoreA[2] / 3);
        EXPECT_EQ(t.dealPoints[1], kept * first.dealScoreB[1] / 3 + again.dealScoreB[2] / 3);
        EXPECT_EQ(t.lastTricks[0] + t.lastTricks[1], 1 + kept);
    }
}

}  // namespace
}  // namespace morvello
