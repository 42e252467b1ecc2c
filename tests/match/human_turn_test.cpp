// What this suite guards: the human's turn in a match: the knock after a lead and
// its answer, no signal on the last trick, the pace after a lead. (A card off the
// lead suit refused: the rules' LegalPlay test and the window's whole match.)
#include <gtest/gtest.h>

#include "match_harness.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// What each seat's play found of the human's knock: it stands while seat 2
// follows, and the partner's answer uses it up.
struct KnockWatch : MatchObserver {
    std::vector<Byte> atSeatTwo, afterPartner;
    void onPlay(const GameState& g, Byte seat, Byte) override {
        if (g.leaderSeat != 1) return;
        if (seat == 2) atSeatTwo.push_back(g.trickSignals[1]);
        if (seat == 4) afterPartner.push_back(g.trickSignals[1]);
    }
};

TEST(HumanTurn, TheHumansKnockIsShownAndAnsweredByThePartner) {
    RecordingTable table;
    table.chooseSignal = [](const GameState& g) {
        EXPECT_LT(g.trickNumber, kTricksPerDeal);
        return int{kBusso};
    };
    KnockWatch watch;
    MatchRun run(table, MatchOptions{decks({shuffledDeck(11)}), Byte{4}, kOnePersonAtSeatOne});
    run.match().addObserver(watch);
    run.run();  // dealer 4: the human receives first and leads the first trick

    ASSERT_FALSE(watch.atSeatTwo.empty());
    ASSERT_FALSE(watch.afterPartner.empty());
    EXPECT_GT(table.count("signal chosen Busso"), 0);
    for (const Byte knock : watch.atSeatTwo) EXPECT_EQ(knock, kBusso);
    for (const Byte knock : watch.afterPartner) EXPECT_EQ(knock, kNoSignal);
    // Each knock goes to the table with the card, but none on a 3.
    for (std::size_t i = 0; i < table.log.size(); ++i) {
        if (table.log[i] != "signal chosen Busso") continue;
        const std::string& onTable = table.log.at(i + 1);
        const std::string prefix = "card to table seat 1 ";
        ASSERT_EQ(onTable.rfind(prefix, 0), 0u) << onTable;
        const bool aThree = onTable.at(prefix.size()) == '3';
        EXPECT_EQ(onTable.substr(prefix.size() + 3),
                  aThree ? "signal none pause" : "signal Busso pause");
    }
}

// The human holds every top card and keeps the lead: a signal is offered after
// each lead but the last, and after each lead seat 2 follows after one pause, with
// no names drawn again in between.
TEST(HumanTurn, AfterEachLeadButTheLastASignalIsOfferedAndSeatTwoFollows) {
    RecordingTable table;
    std::vector<int> tricks;
    table.chooseSignal = [&](const GameState& g) {
        tricks.push_back(g.trickNumber);
        return kNoSignalChosen;
    };
    const std::array<std::string, 4> strong = {
        "3D 2D AD 3C 2C AC 3B 2B AB 3S",
        "4D 5D 6D 7D JD HD KD 4C 5C 6C",
        "7C JC HC KC 4B 5B 6B 7B JB HB",
        "KB AS 2S 4S 5S 6S 7S JS HS KS",
    };
    playOneDeal(table, deckDealing(4, strong), 4);
    EXPECT_EQ(tricks, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const std::size_t onTable = table.indexOfPrefix("card to table seat 1 ");
    ASSERT_LT(onTable + 2, table.log.size());
    EXPECT_EQ(table.log[onTable + 1], "delay 1");
    EXPECT_EQ(table.log[onTable + 2].rfind("play seat 2 ", 0), 0u) << table.log[onTable + 2];
}

}  // namespace
}  // namespace morvello
