// What this suite guards: Expert seats think once a card, in the pause before their
// turn; a repeated deal plays the same Expert cards; the seats can change between
// deals; with no Expert seat, the Expert's settings change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "match_harness.h"

namespace morvello {
namespace {

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

// Deal 1, deal 2, deal 2 repeated, then deal 3 with no Expert seat.
TEST(ExpertTurns, ThoughtInThePauseBeforeEachCardAndRepeatedWithTheDeal) {
    using enum PlayerKind;
    MatchOptions options{
        testing::shuffles(11), Byte{1}, {Classic, Classic, Expert, Classic, Expert}};
    options.expertSamples = 8;
    testing::RecordingTable table;
    testing::MatchRun run(table, std::move(options));
    int commands = 0;
    table.chooseCommand = [&](const GameState&) {
        if (++commands == 3) run.match().setPlayers(kFourComputers);
        return commands == 2 ? Command::Replay : commands == 4 ? Command::Quit : Command::Continue;
    };
    run.run();

    std::vector<std::vector<std::string>> plays;  // by deal
    int thoughts = 0, pausesBeforeExperts = 0, expertPlays = 0;
    std::vector<std::string> sincePlay;
    for (const std::string& line : table.log) {
        if (startsWith(line, "think ")) ++thoughts;
        if (startsWith(line, "deal ") || startsWith(line, "replayed deal ")) {
            plays.emplace_back();
            sincePlay.clear();  // the dealing's own pauses
            continue;
        }
        if (!startsWith(line, "play seat ")) {
            sincePlay.push_back(line);
            continue;
        }
        plays.back().push_back(line);
        const bool expert = plays.size() <= 3 && (line[10] == '2' || line[10] == '4');
        const bool thought = std::count(sincePlay.begin(), sincePlay.end(), "think 1") +
                                 std::count(sincePlay.begin(), sincePlay.end(), "think 0") ==
                             1;
        EXPECT_EQ(thought, expert) << line;
        if (expert) {
            ++expertPlays;
            pausesBeforeExperts += std::count(sincePlay.begin(), sincePlay.end(), "delay 1");
        }
        sincePlay.clear();
    }
    ASSERT_EQ(plays.size(), 4u);
    EXPECT_EQ(plays[1], plays[2]);
    EXPECT_EQ(expertPlays, 3 * 20);
    EXPECT_EQ(thoughts, expertPlays);
    EXPECT_EQ(pausesBeforeExperts, 0);  // the thinking is the pause
    EXPECT_EQ(run.match().expertDecisions(), 3 * 20);
}

// With no Expert seat the Expert's seed and budget change nothing: the play is
// the classic one. (The same seed replaying the same Expert match is the
// runner's test.)
std::vector<std::string> matchLog(MatchOptions options) {
    testing::RecordingTable table;
    testing::MatchRun run(table, std::move(options));
    table.chooseCommand = [](const GameState& g) {
        return g.menus.continueEnabled ? Command::Continue : Command::Quit;
    };
    run.run();
    return table.log;
}

TEST(ExpertTurns, WithNoExpertSeatThePlayIsTheClassicOne) {
    MatchOptions expertSettings{testing::shuffles(8), Byte{2}, kFourComputers};
    expertSettings.expertSeed = 99;
    expertSettings.expertSamples = 5;
    EXPECT_EQ(matchLog(std::move(expertSettings)),
              matchLog(MatchOptions{testing::shuffles(8), Byte{2}, kFourComputers}));
}

}  // namespace
}  // namespace morvello
