// Expert seats in the match: each thinks once a card, during the pause before its
// turn (or at once when no pause comes first), and a repeated deal is played the
// same again, its sampling being fixed by the deck.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "match_harness.h"

namespace morvello {
namespace {

constexpr int kFewSamples = 8;

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool expertPlay(const std::string& line) {
    return startsWith(line, "play seat 2") || startsWith(line, "play seat 4");
}

MatchOptions expertOpponents(std::uint32_t deckSeed) {
    using enum PlayerKind;
    MatchOptions options{
        testing::shuffles(deckSeed), Byte{1}, {Classic, Person, Expert, Classic, Expert}};
    options.expertSamples = kFewSamples;
    return options;
}

TEST(ExpertTurns, EachExpertCardIsThoughtOnceInThePauseBeforeIt) {
    testing::RecordingTable table;
    testing::MatchRun run(table, expertOpponents(3));
    table.chooseCommand = [](const GameState&) { return Command::Quit; };
    run.run();
    int thoughts = 0, pausesBeforeExperts = 0, expertPlays = 0;
    std::vector<std::string> sincePlay;
    for (const std::string& line : table.log) {
        if (startsWith(line, "think ")) ++thoughts;
        if (startsWith(line, "deal 1")) sincePlay.clear();  // the dealing's own pauses
        if (startsWith(line, "play seat ")) {
            const bool thought =
                std::find(sincePlay.begin(), sincePlay.end(), "think 1") != sincePlay.end() ||
                std::find(sincePlay.begin(), sincePlay.end(), "think 0") != sincePlay.end();
            EXPECT_EQ(thought, expertPlay(line)) << line;
            if (expertPlay(line)) {
                ++expertPlays;
                pausesBeforeExperts += std::count(sincePlay.begin(), sincePlay.end(), "delay 1");
            }
            sincePlay.clear();
            continue;
        }
        sincePlay.push_back(line);
    }
    EXPECT_EQ(expertPlays, 20);
    EXPECT_EQ(thoughts, expertPlays);
    EXPECT_EQ(pausesBeforeExperts, 0);  // the thinking is the pause
}

// The plays of each deal, by deal.
std::vector<std::vector<std::string>> playsByDeal(const std::vector<std::string>& log) {
    std::vector<std::vector<std::string>> deals;
    for (const std::string& line : log) {
        if (startsWith(line, "deal ") && !startsWith(line, "deal packet")) deals.emplace_back();
        if (startsWith(line, "replayed deal ")) deals.emplace_back();
        if (startsWith(line, "play seat ")) deals.back().push_back(line);
    }
    return deals;
}

TEST(ExpertTurns, RepeatTheLastHandPlaysTheSameExpertCards) {
    testing::RecordingTable table;
    testing::MatchRun run(table, expertOpponents(11));
    int commands = 0;
    table.chooseCommand = [&commands](const GameState&) {
        return ++commands == 1 ? Command::Continue
               : commands == 2 ? Command::Replay
                               : Command::Quit;
    };
    run.run();
    const auto deals = playsByDeal(table.log);
    ASSERT_EQ(deals.size(), 3u);
    EXPECT_EQ(deals[1], deals[2]);
}

TEST(ExpertTurns, TheExpertSeatsCanChangeBetweenCards) {
    testing::RecordingTable table;
    testing::MatchRun run(table, expertOpponents(5));
    int deals = 0;
    table.chooseCommand = [&](const GameState&) {
        run.match().setPlayers(kOnePersonAtSeatOne);
        return ++deals == 2 ? Command::Quit : Command::Continue;
    };
    run.run();
    const std::size_t secondDeal = table.indexOfPrefix("deal 2");
    ASSERT_LT(secondDeal, table.log.size());
    EXPECT_LT(table.indexOfPrefix("think "), secondDeal);
    EXPECT_EQ(table.indexOfPrefix("think ", secondDeal), table.log.size());
    EXPECT_EQ(run.match().expertDecisions(), 20);
}

}  // namespace
}  // namespace morvello
