// What this suite guards: the plays as the table shows them: each card's signal,
// the human's knock and its answer, a signal offered after each lead but the last,
// the pauses, the gathering of each trick and the declaration labels.
#include <gtest/gtest.h>

#include "match_harness.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// One play as the log tells it: "play seat 2 7C Busso".
struct Play {
    int seat = 0;
    std::string card;
    std::string signal = "none";
    int trick = 0;
    bool leads = false;
};

// The signal the table must show for the play: none on the last trick, no
// knock on a 3, and no Volo or Striscio by a follower when only the leader
// declares.
std::string expectedShown(const Play& p, Byte allowAllDeclare) {
    if (p.trick == kTricksPerDeal) return "none";
    if (p.signal == "Busso") return p.card[0] == '3' ? "none" : "Busso";
    if (allowAllDeclare == kOnlyLeaderDeclares && !p.leads) return "none";
    return p.signal;
}

// Checks every play of a deal between computer players against what reaches
// the table, and every trick against its gathering; counts the signals shown
// and hidden.
void checkDeal(const RecordingTable& table, Byte allowAllDeclare, int& shown, int& hidden) {
    int trick = 1, inTrick = 0;
    for (std::size_t i = 0; i < table.log.size(); ++i) {
        const std::string& line = table.log[i];
        if (line.rfind("trick winner ", 0) == 0) {
            EXPECT_EQ(table.log.at(i + 1), "gather winner " + line.substr(13));
            ++trick;
            inTrick = 0;
            continue;
        }
        if (line.rfind("play seat ", 0) != 0) continue;
        Play p{line[10] - '0', line.substr(12, 2), "none", trick, inTrick++ == 0};
        if (line.size() > 14) p.signal = line.substr(15);
        const std::string expected = expectedShown(p, allowAllDeclare);
        SCOPED_TRACE(line + " in trick " + std::to_string(trick));
        // A computer seat's card sounds, then goes to the table; a play with a
        // signal pauses half a unit once there, whether its signal shows or not.
        EXPECT_EQ(table.log.at(i + 1), "sound Card");
        EXPECT_EQ(table.log.at(i + 2), "card to table seat " + std::to_string(p.seat) + " " +
                                           p.card + " signal " + expected +
                                           (p.signal != "none" ? " pause" : ""));
        if (p.signal == "none") continue;
        (expected == "none" ? hidden : shown) += 1;
    }
    EXPECT_EQ(trick, kTricksPerDeal + 1);
}

// With only the leader declaring, followers show no Volo or Striscio.
TEST(PlaySignals, EverySignalIsShownButOnTheLastTrickOrAKnockOnAThree) {
    for (const Byte allowAllDeclare : {kAllDeclare, kOnlyLeaderDeclares}) {
        int shown = 0, hidden = 0;
        for (std::uint32_t seed = 1; seed <= 40 && !::testing::Test::HasFailure(); ++seed) {
            RecordingTable table;
            playOneDeal(table, shuffledDeck(seed), 1, kFourComputers,
                        [&](StoredGame& g) { g.allowAllDeclare = allowAllDeclare; });
            checkDeal(table, allowAllDeclare, shown, hidden);
        }
        EXPECT_GT(shown, 0);
        EXPECT_GT(hidden, 0);
    }
}

TEST(Declarations, LabelsShowInTheSecondTrickAndHideAtTheThird) {
    // Seat 2 holds the ace, two and three of Denari and the twos of the other suits.
    const std::array<std::string, 4> hands = {
        "AC 3C 4D 5D 6D 7D JD HD KD 4B",
        "AD 2D 3D 2C 2B 2S 4C 5C 6C 7C",
        "JC HC KC AB 3B 5B 6B 7B JB HB",
        "KB AS 3S 4S 5S 6S 7S JS HS KS",
    };
    RecordingTable table;
    playOneDeal(table, deckDealing(1, hands), 1, kFourComputers);
    const std::string caption = "napoletana D, four 2";
    const std::size_t shownAt = table.indexOf("declare 2 " + caption);
    const std::size_t hiddenAt = table.indexOf("hide declarations");
    ASSERT_LT(hiddenAt, table.log.size());
    EXPECT_EQ(table.count("declare 2 " + caption), 1);
    EXPECT_EQ(table.indexOfPrefix("declare "), shownAt);  // no one else declares
    // Shown as seat 2 plays in the second trick, hidden as the third begins.
    const std::size_t trickOne = table.indexOfPrefix("trick winner ");
    const std::size_t trickTwo = table.indexOfPrefix("trick winner ", trickOne + 1);
    EXPECT_LT(trickOne, shownAt);
    EXPECT_LT(shownAt, trickTwo);
    EXPECT_EQ(table.log.at(shownAt + 1).rfind("play seat 2 ", 0), 0u);
    EXPECT_LT(trickTwo, hiddenAt);
    EXPECT_LT(hiddenAt, table.indexOfPrefix("play seat ", trickTwo));
}

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
    table.chooseSignal = [](const GameState&) { return int{kBusso}; };  // offered: below
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
