// What this suite guards: the statistics counted from a match's events (wins,
// streaks, abandoned matches, a repeated deal, both targets, declarations), the
// review of a recorded deal, and its export replayed the same way by the runner.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

#include "match_harness.h"
#include "run_command.h"
#include "stats/deal_record.h"
#include "stats/deal_review.h"
#include "stats/statistics.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The hands of a deal with known declarations: seat 1 four aces and the
// Napoletana of Denari, seat 2 a Buongioco of twos, seats 3 and 4 none.
const std::array<std::string, 4> kDeclaringHands{
    "AD AC AB AS 2D 3D 4D 5D 6D 7D", "2C 2B 2S JD HD KD 4C 5C 6C 7C",
    "3C JC HC KC 4B 5B 6B 7B JB HB", "3B 3S KB 4S 5S 6S 7S JS HS KS"};

// A headless match of computer players whose events also go to the statistics
// and the deal recorder; the commands after each deal come from a script.
struct StatsRun {
    Statistics stats;
    StatisticsKeeper keeper{stats};
    DealRecorder recorder;
    RecordingTable table;
    MatchRun run;
    std::vector<int> winners;        // each game over's winning couple
    std::vector<GameState> results;  // the state at each settled deal

    explicit StatsRun(MatchOptions options) : run(table, std::move(options)) {
        run.match().addObserver(keeper);
        run.match().addObserver(recorder);
        run.match().addObserver(watcher_);
    }

    // next(asked, state): the command after each deal, asked counting from 1.
    void play(const std::function<Command(int, const GameState&)>& next) {
        int asked = 0;
        table.chooseCommand = [&](const GameState& g) { return next(++asked, g); };
        run.run();
    }

  private:
    struct Watcher : MatchObserver {
        StatsRun& owner;
        explicit Watcher(StatsRun& o) : owner(o) {}
        void onResult(const GameState& g, int) override { owner.results.push_back(g); }
        void onGameOver(const GameState&, int winner, int, int) override {
            owner.winners.push_back(winner);
        }
    } watcher_{*this};
};

constexpr Byte kDealer = 4;

struct RecordedDeal : StatsRun {
    RecordedDeal()
        : StatsRun(MatchOptions{decks({deckDealing(kDealer, kDeclaringHands)}), kDealer,
                                kFourComputers}) {
        play([](int, const GameState&) { return Command::Continue; });
    }
};

std::set<Byte> cardsOf(const Hand& hand) {
    std::set<Byte> set;
    for (int slot = 1; slot <= 10; ++slot) set.insert(static_cast<Byte>(hand[slot] % kPlayedMark));
    return set;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(DealReview, ShowsTheHandsDeclarationsTricksAndResultOfTheDeal) {
    RecordedDeal d;
    const DealReview review = reviewOf(d.recorder.lastDeal());
    EXPECT_EQ(review.dealNumber, 1);
    EXPECT_EQ(review.dealer, kDealer);
    for (int seat = 1; seat <= 4; ++seat) {
        const std::vector<Byte> dealt = cards(kDeclaringHands[seat - 1]);
        EXPECT_EQ(cardsOf(review.hands[seat]), std::set<Byte>(dealt.begin(), dealt.end()));
    }
    EXPECT_NE(declarationsNote(review.declarations[1]).find("napoletana"), std::string::npos);
    EXPECT_NE(declarationsNote(review.declarations[2]).find("buongioco"), std::string::npos);
    EXPECT_TRUE(review.declarations[3].empty());
    EXPECT_TRUE(review.declarations[4].empty());
    const auto& counted = d.stats.byTarget[0].declarations;  // in the statistics, by couple
    EXPECT_EQ((std::vector<int>{counted[0][kFourKind], counted[0][kNapoletanaKind],
                                counted[0][kBuongioco], counted[1][kBuongioco],
                                counted[1][kFourKind] + counted[1][kNapoletanaKind]}),
              (std::vector<int>{1, 1, 0, 1, 0}));

    // Each trick as the table logged it: its cards and signals, its winner.
    ASSERT_EQ(review.tricks.size(), 10u);
    std::size_t at = 0;
    int thirds = 0;
    Byte leader = nextSeat(kDealer);
    for (const ReviewTrick& t : review.tricks) {
        EXPECT_EQ(t.leader, leader);
        for (int n = 0; n < 4; ++n) {
            at = d.table.indexOfPrefix("play seat ", at);
            ASSERT_LT(at, d.table.log.size());
            const Byte seat = static_cast<Byte>(d.table.log[at][10] - '0');
            std::string expected =
                "play seat " + std::to_string(seat) + " " + cardName(t.cards[seat]);
            if (t.seatSignals[seat] != kNoSignal) expected += " " + signalName(t.seatSignals[seat]);
            EXPECT_EQ(d.table.log[at++], expected);
        }
        at = d.table.indexOfPrefix("trick winner ", at);
        EXPECT_EQ(d.table.log[at], "trick winner " + std::to_string(t.winner));
        thirds += t.thirds;
        EXPECT_EQ(t.runningThirds[0] + t.runningThirds[1], thirds);
        leader = t.winner;
    }
    EXPECT_EQ(thirds, 32);  // the whole deck's card points

    const GameState& settled = d.results.back();
    EXPECT_EQ(review.dealScore[0], settled.dealScoreA[1] / 3);
    EXPECT_EQ(review.matchTotal, settled.matchTotal);
    const bool lastA = leader % 2 == 1;
    EXPECT_EQ(review.cardPoints,
              (std::array<int, 2>{settled.cardPoints[0] / 3, settled.cardPoints[1] / 3}));
    EXPECT_EQ(review.lastTrickCouple, lastA ? 0 : 1);
    EXPECT_EQ(review.declPoints, (std::array<int, 2>{7, 3}));
}

TEST(DealReview, ShowsTheSignalTheHumanChoseAfterLeading) {
    StatsRun r(
        MatchOptions{decks({deckDealing(kDealer, kDeclaringHands)}), kDealer, kOnePersonAtSeatOne});
    r.table.chooseSignal = [](const GameState&) { return int{kBusso}; };
    r.play([](int, const GameState&) { return Command::Continue; });
    const DealReview review = reviewOf(r.recorder.lastDeal());
    ASSERT_EQ(review.tricks.size(), 10u);
    int humanLeads = 0;
    for (const ReviewTrick& t : review.tricks) {
        if (t.leader != 1) continue;
        ++humanLeads;
        EXPECT_EQ(t.seatSignals[1], kBusso);
    }
    EXPECT_EQ(humanLeads, static_cast<int>(r.table.count("signal chosen Busso")));
    EXPECT_GT(humanLeads, 0);
}

TEST(DealExport, TheSavedDeckPlayedByTheRunnerGivesTheSavedEvents) {
    RecordedDeal d;
    const std::vector<std::string> saved = linesOf(dealTrace(d.recorder.lastDeal()));
    ASSERT_EQ(saved.size(), 1u + 1u + 40u + 10u + 1u);  // deal, decl, plays, tricks, result
    EXPECT_EQ(saved.front().rfind("{\"ev\":\"deal\"", 0), 0u);

    // The saved deck file carries its dealer; a bare deck line is played with
    // --dealer, and --dealer wins over the file's.
    const TempFolder folder;
    const Deck& deck = d.recorder.lastDeal().front().state.deck;
    const auto deckFile = folder.write("deck.txt", deckFileText(deck, kDealer));
    const auto lineFile = folder.write("line.txt", deckLine(deck) + "\n");
    const auto dealEvents = [](const std::filesystem::path& file, const std::string& args) {
        const CommandRun run = runCommand(std::string(MORVELLO_SIM_PATH) + " --trace --decks " +
                                          file.string() + args + " 2>/dev/null");
        std::vector<std::string> events;
        for (const std::string& line : run.out)
            for (const char* ev : {"deal", "decl", "play", "trick", "result"})
                if (line.rfind(std::string("{\"ev\":\"") + ev + "\"", 0) == 0)
                    events.push_back(line);
        return events;
    };
    EXPECT_EQ(dealEvents(deckFile, ""), saved);
    EXPECT_EQ(dealEvents(lineFile, " --dealer " + std::to_string(kDealer)), saved);
    const std::vector<std::string> otherDealer = dealEvents(deckFile, " --dealer 1");
    ASSERT_FALSE(otherDealer.empty());
    EXPECT_NE(otherDealer.front().find("\"dealer\":1,"), std::string::npos) << otherDealer.front();
}

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

// A 31-point match counts in its own column.
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
    finished.run.setUp().scoreOption = 1;  // a 31-point match, counted apart
    finished.play(wholeMatches(finished, 1));
    finished.keeper.abandonMatchInProgress();  // quitting after GAME OVER abandons nothing
    EXPECT_EQ(finished.stats.byTarget[1].abandoned, 0);
    EXPECT_EQ(finished.stats.byTarget[1].matches, 1);
    EXPECT_GE(finished.stats.byTarget[1].deals, 3);
    EXPECT_EQ(finished.stats.byTarget[0], TargetRecord{});
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

// A match with a card taken back counts apart, out of the wins and the streaks;
// while a run is played again nothing is counted twice, and the keeper is where
// the run stands once it is live again.
TEST(Statistics, TakeBacksCountApartAndAReplayCountsNothing) {
    StatsRun r(computerMatches(11));
    r.play([&](int asked, const GameState& g) {
        if (asked == 1) r.keeper.onTakeBack(g);
        return wholeMatches(r, 2)(asked, g);
    });
    const TargetRecord& t = r.stats.byTarget[0];
    EXPECT_EQ(t.withTakeBacks, 1);
    EXPECT_EQ(t.matches, 1);
    EXPECT_EQ(t.won + t.lost, 1);
    EXPECT_EQ(t.currentStreak, r.winners.back() == 0 ? 1 : 0);

    const Statistics before = r.stats;
    r.keeper.setReplaying(true);
    r.keeper.onMatchStart(r.results.front());
    r.keeper.onDeal(r.results.front(), false);
    r.keeper.onResult(r.results.front(), 0);
    r.keeper.setReplaying(false);
    EXPECT_EQ(r.stats, before);
    r.keeper.abandonMatchInProgress();  // the replayed match is under way
    EXPECT_EQ(r.stats.byTarget[0].abandoned, before.byTarget[0].abandoned + 1);
}

}  // namespace
}  // namespace morvello
