// What this suite guards: a recorded run, replayed without a window, plays the
// same events again, to its end and to any choice in it, whoever plays the seats;
// a record that cannot be read is refused, never half read.
#include <gtest/gtest.h>

#include <random>

#include "match_harness.h"
#include "replayed_trace.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

using namespace morvello::testing;

SeatKinds randomPlayers(std::mt19937& random, bool experts) {
    SeatKinds players = kFourComputers;
    const int kinds = experts ? 3 : 2;
    for (int seat = 1; seat <= 4; ++seat) players[seat] = static_cast<PlayerKind>(random() % kinds);
    return players;
}

// A table whose people answer at random (a card that may not be played now and
// then, to be refused), and whose waits are now and then taken up by a choice
// of another kind: the players, the pace, a late signal.
class RandomTable final : public HeadlessTable {
  public:
    RandomTable(std::uint32_t seed, bool experts) : random_(seed), experts_(experts) {
        chooseCard = [this](const GameState& g) { return card(g); };
        chooseSignal = [this](const GameState&) { return int(random_() % 5) - 1; };
        chooseCommand = [this](const GameState& g) { return command(g); };
    }
    Match* match = nullptr;

    Wait<> delay(double) override {
        if (random_() % 23 == 0) match->setPlayers(randomPlayers(random_, experts_));
        if (random_() % 31 == 0) match->setPlayRate(1 + int(random_() % 3));
        if (random_() % 37 == 0) match->pickLateSignal(Byte(1 + random_() % 4), int(random_() % 4));
        return {};
    }

  private:
    Byte card(const GameState& g) {
        const Byte any = g.hands[g.turnSeat][1 + random_() % 10];
        if (!isPlayed(any) && random_() % 3 == 0) return any;
        return firstLegalCard(g);
    }
    Command command(const GameState& g) {
        if (++deals_ == 8) return Command::Quit;
        if (!g.menus.continueEnabled) return Command::NewGame;
        if (random_() % 4 == 0 && replayAnswer(g) == ReplayAnswer::Confirm) return Command::Replay;
        return Command::Continue;
    }

    std::mt19937 random_;
    bool experts_;
    int deals_ = 0;
};

struct RecordedRun {
    MatchRecord record;
    std::string trace;
};

RecordedRun playRecorded(std::uint32_t seed, bool experts) {
    std::mt19937 random(seed);
    RandomTable table(seed, experts);
    MatchOptions options{shuffles(seed), std::nullopt, randomPlayers(random, experts)};
    options.expertSamples = 2;
    options.expertSeed = seed;
    options.recorded = true;
    Match match(table, table, std::move(options));
    table.match = &match;
    table.watch(match.state());
    StoredGame start;
    start.scoreOption = Byte(seed % 2);
    start.deck = shuffledDeck(seed + 1);
    match.restore(start);
    TraceText trace;
    match.addObserver(trace.observer());
    Task<> run = match.playMatches();
    run.start();
    run.rethrowIfFailed();
    return {match.record(), trace.text()};
}

TEST(MatchRecord, AReplayedRunPlaysTheSameEventsToItsEndAndToAnyChoice) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const bool experts = seed % 25 == 0;
        const RecordedRun run = playRecorded(seed, experts);
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::string text = recordText(run.record);
        const RecordReading reading = readRecord(text);
        ASSERT_TRUE(reading.record) << reading.error;
        EXPECT_EQ(recordText(*reading.record), text);

        bool stopped = true;
        ASSERT_EQ(replayed(*reading.record, -1, &stopped), run.trace);
        EXPECT_FALSE(stopped);

        const long cut = long(seed * 7919 % (run.record.choices.size() + 1));
        const std::string part = replayed(*reading.record, cut, &stopped);
        EXPECT_EQ(run.trace.compare(0, part.size(), part), 0) << "cut at choice " << cut;
        EXPECT_TRUE(stopped || cut == long(run.record.choices.size()));
    }
}

TEST(MatchRecord, WhatCannotBeReadIsRefusedWhole) {
    const std::string good = recordText(playRecorded(5, false).record);
    ASSERT_TRUE(readRecord(good).record);
    const std::string newer = "morvello-record " + std::to_string(kRecordVersion + 1) + "\n" +
                              good.substr(good.find('\n') + 1);
    EXPECT_TRUE(readRecord(newer).newer);
    const std::vector<std::string> bad{
        "",
        "morvello-record\n",
        "morvello-record 1 extra\n",
        "not a record\n",
        "morvello-record 1\n",                                 // no start
        good.substr(0, good.find('\n', good.size() / 2) - 1),  // cut in a line
        good + "card 5 1\n",
        good + "command undo\n",
        good + "deck 1 2 3\n",
        good + "names 3 a,b,c\n",
        good + "names 3 a,b,c,d,e\n",
        good + "play-rate 3 9\n",
        good + "\x01\x02\x03\n",
    };
    for (const std::string& text : bad) {
        const RecordReading reading = readRecord(text);
        EXPECT_FALSE(reading.record) << text.substr(text.size() > 60 ? text.size() - 60 : 0);
        EXPECT_FALSE(reading.error.empty());
    }
}

TEST(MatchRecord, NamesKeepEveryCharacterThroughTheRecord) {
    MatchRecord record;
    record.start.game.playerNames = {"A, b", "100%", "tab\there", ""};
    Choice names;
    names.kind = Choice::Kind::Names;
    names.names = {"x y", ",", "%20", "\xe8"};
    record.choices.push_back(names);
    const RecordReading reading = readRecord(recordText(record));
    ASSERT_TRUE(reading.record) << reading.error;
    EXPECT_EQ(reading.record->start.game, record.start.game);
    EXPECT_EQ(reading.record->choices.at(0).names, names.names);
}

}  // namespace
}  // namespace morvello
