// Cards moving on the table: the play signals' movements, the gathering of a
// trick, the declaration labels.
#include <gtest/gtest.h>

#include "recording_table.h"

namespace morvello {
namespace {

using testing::playOneDeal;
using testing::RecordingTable;

// Remembers every play with the seat's signal and whether it led.
class PlayLog : public RecordingTable {
  public:
    using RecordingTable::RecordingTable;
    struct Play {
        int seat, card, signal, trick;
        bool leads;
        std::size_t logAt;  // where the play's movements start in the log
    };
    std::vector<Play> plays;
    void onPlay(Byte seat, Byte card) override {
        plays.push_back(
            {seat, card, g_.trickSignals[seat], g_.trickNumber, seat == g_.leaderSeat, log.size()});
    }
    // The log lines between this play and the next.
    std::vector<std::string> linesOf(std::size_t i) const {
        const std::size_t end = i + 1 < plays.size() ? plays[i + 1].logAt : log.size();
        return {log.begin() + plays[i].logAt, log.begin() + end};
    }
};

std::array<int, 41> shuffled(std::uint32_t seed) {
    GameState s;
    ShuffleEngine engine(seed);
    Mescola(s, engine);
    return s.deck;
}

int countPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    int n = 0;
    for (const auto& l : lines) n += l.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

// The movement a shown signal makes, by signal and seat.
std::string expectedStep(int card, int signal, int seat) {
    const std::string c = std::to_string(card) + " ";
    if (signal == 2) return "step " + c + "0.3,0 x1 1ms";
    if (signal == 3) return "step " + c + "0.3,0 x34 1ms";
    switch (seat) {
        case 1:
            return "step " + c + "0,-3 x14 1ms";
        case 3:
            return "step " + c + "0,3 x14 1ms";
        case 2:
            return "step " + c + "-4,0 x8 4ms";
        default:
            return "step " + c + "4,0 x8 4ms";
    }
}

void checkSignalsShown(Byte allowAllDeclare) {
    int shown = 0, hidden = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        GameState g;
        g.allowAllDeclare = allowAllDeclare;
        PlayLog table(g);
        table.computerAtSeatOne = true;
        playOneDeal(g, table, shuffled(seed), 1);
        for (std::size_t i = 0; i < table.plays.size(); ++i) {
            const auto& p = table.plays[i];
            if (p.signal == 0) continue;
            const auto lines = table.linesOf(i);
            const bool knockOnThree = p.signal == 2 && ValCarta(p.card) == 3;
            const bool suppressed = p.trick == 10 || knockOnThree ||
                                    (p.signal != 2 && allowAllDeclare == 2 && !p.leads);
            const int steps = countPrefix(lines, "step ");
            SCOPED_TRACE("seat " + std::to_string(p.seat) + " signal " + std::to_string(p.signal));
            if (suppressed) {
                ++hidden;
                EXPECT_EQ(steps, 0);
            } else {
                ++shown;
                EXPECT_GE(steps, 1);
                EXPECT_EQ(
                    std::count(lines.begin(), lines.end(), expectedStep(p.card, p.signal, p.seat)),
                    p.signal == 2 ? 1 : 1);
                EXPECT_EQ(
                    countPrefix(lines, "sound " + std::to_string(p.signal == 1 ? 1 : p.signal)),
                    p.signal == 2 ? 2 : 1);
            }
            // A play with a signal pauses half a unit once on the table, shown or not.
            EXPECT_EQ(std::count(lines.begin(), lines.end(), "ritardo 0.5"), 1);
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_GT(hidden, 0);
}

TEST(PlaySignals, EverySeatsSignalMovesItsCardTheRightWay) {
    checkSignalsShown(1);
}

TEST(PlaySignals, WithOnlyTheLeaderDeclaringFollowersShowNoVoloOrStriscio) {
    checkSignalsShown(2);
}

TEST(CardMovement, EveryCardOfATrickEndsParkedAndPlaysWithoutSignalDoNotPause) {
    GameState g;
    PlayLog table(g);
    table.computerAtSeatOne = true;
    playOneDeal(g, table, shuffled(5), 2);
    ASSERT_EQ(table.plays.size(), 40u);
    for (std::size_t i = 0; i < table.plays.size(); ++i) {
        const auto& p = table.plays[i];
        EXPECT_TRUE(table.logged("place " + std::to_string(p.card) + " 1500,1500"));
        if (p.signal == 0) {
            const auto lines = table.linesOf(i);
            EXPECT_EQ(std::count(lines.begin(), lines.end(), "ritardo 0.5"), 0);
        }
    }
}

TEST(Declarations, LabelsShowInTheSecondTrickAndHideAtTheThird) {
    constexpr auto D = [](int v) { return cardCode(1, v); };
    constexpr auto C = [](int v) { return cardCode(2, v); };
    constexpr auto B = [](int v) { return cardCode(3, v); };
    constexpr auto S = [](int v) { return cardCode(4, v); };
    // Seat 2 holds the ace, two and three of Denari and the twos of the other suits.
    const std::array<std::array<int, 10>, 4> hands = {{
        {C(1), C(3), D(4), D(5), D(6), D(7), D(8), D(9), D(10), B(4)},
        {D(1), D(2), D(3), C(2), B(2), S(2), C(4), C(5), C(6), C(7)},
        {C(8), C(9), C(10), B(1), B(3), B(5), B(6), B(7), B(8), B(9)},
        {B(10), S(1), S(3), S(4), S(5), S(6), S(7), S(8), S(9), S(10)},
    }};
    GameState g;
    PlayLog table(g);
    table.computerAtSeatOne = true;
    playOneDeal(g, table, testing::deckDealing(1, hands), 1);
    EXPECT_EQ(g.declPoints[2], 7);
    const std::string line1 = "Napoletana with Denari";
    const std::string line2 = "Four two";
    const std::string caption =
        line1 + std::string(34 - line1.size(), ' ') + line2 + std::string(34 - line2.size(), ' ');
    int shownAt = -1, hiddenAt = -1;
    for (std::size_t i = 0; i < table.log.size(); ++i) {
        if (table.log[i] == "declare 2 " + caption && shownAt < 0) shownAt = static_cast<int>(i);
        if (table.log[i] == "hide declarations" && hiddenAt < 0) hiddenAt = static_cast<int>(i);
    }
    ASSERT_GE(shownAt, 0);
    ASSERT_GT(hiddenAt, shownAt);
    for (const auto& p : table.plays) {
        if (p.logAt <= static_cast<std::size_t>(shownAt)) {
            EXPECT_LE(p.trick, 2);
        }
        if (p.logAt > static_cast<std::size_t>(hiddenAt)) {
            EXPECT_GE(p.trick, 3);
        }
    }
    EXPECT_EQ(g.dealScoreA.size(), 2u);
}

}  // namespace
}  // namespace morvello
