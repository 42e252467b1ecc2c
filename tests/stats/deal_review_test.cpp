// What this suite guards: the review of a recorded deal (and the same deal's
// declarations counted by kind and couple in the statistics), and its export: the
// events as the runner prints them and a deck the runner plays again the same way.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "run_command.h"
#include "stats/deal_review.h"
#include "stats_fixture.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using namespace morvello::testing;

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
    EXPECT_NE(review.declarations[1].find("Napoletana"), std::string::npos);
    EXPECT_NE(review.declarations[2].find("Buongioco"), std::string::npos);
    EXPECT_EQ(review.declarations[3], "");
    EXPECT_EQ(review.declarations[4], "");
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
    EXPECT_EQ(review.resultLines[0],
              "Points = " + std::to_string(settled.cardPoints[0] / 3).insert(0, " ") +
                  (lastA ? "+1 last hand" : "") + "+ 7 decl.points");
    EXPECT_EQ(review.resultLines[1],
              "Points = " + std::to_string(settled.cardPoints[1] / 3).insert(0, " ") +
                  (lastA ? "" : "+1 ult.mano") + "+ 3 decl.points");
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

// The saved deck file carries its dealer; a bare deck line is played with --dealer,
// and --dealer wins over the file's.
TEST(DealExport, TheSavedDeckPlayedByTheRunnerGivesTheSavedEvents) {
    RecordedDeal d;
    const std::vector<std::string> saved = linesOf(dealTrace(d.recorder.lastDeal()));
    ASSERT_EQ(saved.size(), 1u + 1u + 40u + 10u + 1u);  // deal, decl, plays, tricks, result
    EXPECT_EQ(saved.front().rfind("{\"ev\":\"deal\"", 0), 0u);

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

}  // namespace
}  // namespace morvello
