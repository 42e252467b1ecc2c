// What this suite guards: morvello-sim as its users run it: bad options refused
// in one line, the same seed giving the same trace, deck files, Expert seats and
// the bench figures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "run_command.h"
#include "temp_folder.h"

namespace morvello::sim {
namespace {

struct SimRun : testing::CommandRun {
    std::string err;
};

// The files of this test program: the tests run side by side in processes of their own.
const std::filesystem::path& scratch() {
    static const testing::TempFolder folder;
    return folder.path();
}

SimRun runSim(const std::string& args) {
    const auto errFile = scratch() / "sim.err";
    SimRun run{
        testing::runCommand(std::string(MORVELLO_SIM_PATH) + " " + args + " 2>" + errFile.string()),
        ""};
    std::ifstream err(errFile);
    std::getline(err, run.err, '\0');
    return run;
}

std::string event(const std::string& line) {
    static const std::regex ev(R"re("ev":"([a-z]+)")re");
    std::smatch m;
    return std::regex_search(line, m, ev) ? m[1].str() : "";
}

int field(const std::string& line, const std::string& key) {
    const std::regex re("\"" + key + "\":(-?[0-9]+)");
    std::smatch m;
    return std::regex_search(line, m, re) ? std::stoi(m[1]) : -1;
}

std::vector<std::string> eventsOf(const SimRun& run, const std::string& name) {
    std::vector<std::string> lines;
    for (const auto& l : run.out)
        if (event(l) == name) lines.push_back(l);
    return lines;
}

std::filesystem::path writeDecks(const std::vector<std::string>& lines,
                                 const std::string& name = "decks") {
    const auto path = scratch() / (name + ".txt");
    std::ofstream out(path);
    for (const auto& l : lines) out << l << "\n";
    return path;
}

std::string orderedDeck(bool commas) {
    std::string deck;
    for (int c = 40; c >= 1; --c) deck += std::to_string(c) + (c > 1 ? (commas ? "," : "  ") : "");
    return deck;
}

TEST(SimCommandLine, BadOptionsAreRefusedInOneLineWithExitTwoHelpAndVersionExitZero) {
    const std::string ordered = orderedDeck(true);
    const std::string wrapsToCard1 = ordered.substr(0, ordered.size() - 1) + "4294967297";
    // One refusal of each option, and each rule of a list or a deck line.
    const std::vector<std::string> refused{
        "--frobnicate",
        "--target 25",
        "--dealer 5",
        "--matches 0",
        "--seed",
        "--replay 2,",
        "--replay 4294967298",
        "--expert 2,2",
        "--expert 5",
        "--people 1 --expert 1",
        "--to 3",
        "--replay-record " + writeDecks({"morvello-record 99"}, "newer").string(),
        "--samples 1000001",
        "--decks /nonexistent/file",
        "--decks /dev/zero",
        "--decks " + writeDecks({"", " ", ""}, "blank").string(),
        "--decks " + writeDecks({wrapsToCard1}, "wraps").string(),
        "--decks " + writeDecks({"1,1," + ordered.substr(5)}, "twice").string(),
        "--decks " + writeDecks({"dealer 5", ordered}, "seat5").string(),
        "--decks " + writeDecks({ordered, "dealer 2"}, "late-dealer").string()};
    for (const std::string& args : refused) {
        const SimRun run = runSim(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
    const auto bad = writeDecks({orderedDeck(true), "1,2,3"});
    const SimRun run = runSim("--trace --decks " + bad.string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("line 2"), std::string::npos);
    EXPECT_TRUE(run.out.empty());

    // Help and version are printed with exit 0, whatever else is asked.
    const SimRun help = runSim("--seed 1 --help --frobnicate");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.empty());
    ASSERT_FALSE(help.out.empty());
    EXPECT_EQ(help.out[0], "usage: morvello-sim [OPTIONS]");
    const SimRun version = runSim("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::vector<std::string>{"morvello-sim " MORVELLO_VERSION});
}

TEST(SimTrace, SameSeedSameTraceAndTheShapeOfAMatch) {
    const SimRun a = runSim("--seed 99 --trace --target 31");
    const SimRun b = runSim("--seed 99 --trace --target 31");
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, b.out);
    ASSERT_GE(a.out.size(), 3u);
    EXPECT_EQ(a.out[0], R"({"ev":"match","n":1})");
    EXPECT_EQ(a.out[1], R"({"ev":"dealer","seat":1})");
    EXPECT_EQ(event(a.out.back()), "gameover");
    const auto deals = eventsOf(a, "deal");
    EXPECT_EQ(eventsOf(a, "play").size(), 40 * deals.size());
    EXPECT_EQ(eventsOf(a, "trick").size(), 10 * deals.size());
    EXPECT_EQ(eventsOf(a, "result").size(), deals.size());
}

TEST(SimTrace, DeckFileRunsStopAtTheShuffleThatNeedsAnotherLine) {
    // Commas or spaces, a blank line and a line ending of CR LF.
    const auto decks = writeDecks({orderedDeck(true), "", orderedDeck(false) + "\r"});
    const SimRun run = runSim("--trace --dealer 0 --matches 5 --decks " + decks.string());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("ran out after 2 decks"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    const auto deals = eventsOf(run, "deal");
    ASSERT_EQ(deals.size(), 2u);
    EXPECT_EQ(field(deals[0], "dealer"), 0);
    EXPECT_NE(deals[0].find("\"deck\":[40,39,38"), std::string::npos);
    // Dealer 0: seat 1 receives the first packet, 40..31, ordered 3, 2, ace, king, ...
    EXPECT_NE(deals[0].find("\"hands\":[[33,32,31,40,39,38,37,36,35,34]"), std::string::npos);
    EXPECT_EQ(field(eventsOf(run, "play")[0], "seat"), 1);
}

TEST(SimExpert, ExpertSeatsReplayFromTheSeedAndTheBenchPrintsItsFiguresLast) {
    const SimRun classic = runSim("--seed 1 --matches 3 --bench");
    ASSERT_FALSE(classic.out.empty());
    EXPECT_TRUE(std::regex_match(classic.out.back(),
                                 std::regex(R"([0-9]+ deals in [0-9.]+ s: [0-9]+ deals/s)")))
        << classic.out.back();
    const std::string args = "--seed 3 --trace --expert 2,4 --samples 10";
    const SimRun a = runSim(args);
    ASSERT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(a.out, runSim(args).out);
    EXPECT_NE(a.out, runSim("--seed 3 --trace").out);
    const SimRun bench = runSim("--seed 3 --expert 1,3 --samples 10 --bench");
    ASSERT_EQ(bench.exitCode, 0);
    ASSERT_EQ(bench.out.size(), 2u);
    EXPECT_TRUE(std::regex_match(
        bench.out.back(),
        std::regex(R"([0-9]+ Expert decisions at 10 samples: [0-9.]+ decisions/s)")))
        << bench.out.back();
}

}  // namespace
}  // namespace morvello::sim
