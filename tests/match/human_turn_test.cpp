// The human's turn: legal and refused cards, the signal after a lead, the pace.
#include <gtest/gtest.h>

#include "match/human_input.h"
#include "recording_table.h"

namespace morvello {
namespace {

using testing::deckDealing;
using testing::playOneDeal;
using testing::RecordingTable;

constexpr int D(int v) {
    return cardCode(1, v);
}  // Denari
constexpr int C(int v) {
    return cardCode(2, v);
}  // Coppe
constexpr int B(int v) {
    return cardCode(3, v);
}  // Bastoni
constexpr int S(int v) {
    return cardCode(4, v);
}  // Spade

// Seat 4 holds every Denari but the 4 and leads the ace of Denari; the human
// holds the 4 of Denari among Coppe and Spade.
const std::array<std::array<int, 10>, 4> kDenariLed = {{
    {D(4), C(1), C(2), C(3), C(4), C(5), S(1), S(2), S(3), S(4)},
    {C(6), C(7), C(8), C(9), C(10), B(1), B(2), B(3), B(4), B(5)},
    {B(6), B(7), B(8), B(9), B(10), S(5), S(6), S(7), S(8), S(9)},
    {D(1), D(2), D(3), D(5), D(6), D(7), D(8), D(9), D(10), S(10)},
}};

TEST(HumanTurn, ACardOffTheLeadSuitIsRefusedWhileTheHumanHoldsThatSuit) {
    GameState g;
    RecordingTable table(g);
    int clicks = 0;
    table.humanCard = [&](GameState& s) -> Byte {
        ++clicks;
        if (clicks == 1) {
            EXPECT_EQ(s.tableCards[4], D(1));  // seat 4 led the ace of Denari
            return C(5);                       // not Denari: refused
        }
        if (clicks == 2) return D(4);
        return firstLegalCard(s);
    };
    playOneDeal(g, table, deckDealing(3, kDenariLed), 3);
    ASSERT_FALSE(table.messages.empty());
    EXPECT_EQ(table.messages[0], "You have Denari");
    EXPECT_EQ(g.refusedPlay, 0);  // reset by the accepted card
}

TEST(HumanTurn, WithoutTheLeadSuitAnyCardIsAccepted) {
    GameState g;
    g.hands[1] = {0, C(1), S(2), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    g.leaderSeat = 4;
    g.tableCards[4] = D(7);
    EXPECT_TRUE(isLegalPlay(g, C(1)));
    g.hands[1][3] = D(2);
    EXPECT_FALSE(isLegalPlay(g, C(1)));
    EXPECT_TRUE(isLegalPlay(g, D(2)));
    g.hands[1][3] = D(2) + kPlayedMark;  // already played: no longer binds
    EXPECT_TRUE(isLegalPlay(g, S(2)));
    g.leaderSeat = 1;  // leading, anything goes
    g.hands[1][3] = D(2);
    EXPECT_TRUE(isLegalPlay(g, C(1)));
}

// Counts the human's signal choices and what the partner saw of the knock.
class KnockTable : public RecordingTable {
  public:
    using RecordingTable::RecordingTable;
    int choices = 0;
    std::vector<int> knockWhenPartnerPlayed;
    void onPlay(Byte seat, Byte) override {
        if (seat == 3 && g_.leaderSeat == 1) knockWhenPartnerPlayed.push_back(g_.trickSignals[1]);
    }
};

TEST(HumanTurn, TheHumansKnockIsShownAndAnsweredOnceByThePartner) {
    GameState g;
    KnockTable table(g);
    table.signalChoice = [&](GameState& s) {
        ++table.choices;
        EXPECT_LT(s.trickNumber, 10);
        return 2;  // Busso on every lead
    };
    // Dealer 4: the human receives first and leads the first trick.
    ShuffleEngine engine(11);
    std::array<int, 41> deck{};
    GameState shuffled;
    Mescola(shuffled, engine);
    deck = shuffled.deck;
    playOneDeal(g, table, deck, 4);
    ASSERT_GT(table.choices, 0);
    // The knock is consumed by the partner's answer before the partner's card is traced.
    for (int seen : table.knockWhenPartnerPlayed) EXPECT_EQ(seen, 0);
    EXPECT_TRUE(table.logged("ritardo 0.25"));  // the pause between the two knocks
}

TEST(HumanTurn, SeatTwoFollowsTheHumanWithoutATurnStart) {
    GameState g;
    RecordingTable table(g);
    playOneDeal(g, table, deckDealing(4, kDenariLed), 4);  // the human leads trick 1
    // The human's card reaches the table, a pause, then seat 2's card is shown
    // with no names redrawn in between.
    const auto humanOnTable =
        std::find_if(table.log.begin(), table.log.end(), [](const std::string& l) {
            return l.rfind("place ", 0) == 0 && l.find(" 403,303") != std::string::npos;
        });
    ASSERT_NE(humanOnTable, table.log.end());
    EXPECT_EQ(*(humanOnTable + 1), "ritardo 1");
    EXPECT_EQ((humanOnTable + 2)->rfind("place ", 0), 0u);
}

TEST(HumanTurn, NoSignalChoiceOnTheLastTrick) {
    GameState g;
    RecordingTable table(g);
    std::vector<int> tricks;
    table.signalChoice = [&](GameState& s) {
        tricks.push_back(s.trickNumber);
        return -1;
    };
    // The human holds every top card and keeps taking the lead.
    const std::array<std::array<int, 10>, 4> strong = {{
        {D(3), D(2), D(1), C(3), C(2), C(1), B(3), B(2), B(1), S(3)},
        {D(4), D(5), D(6), D(7), D(8), D(9), D(10), C(4), C(5), C(6)},
        {C(7), C(8), C(9), C(10), B(4), B(5), B(6), B(7), B(8), B(9)},
        {B(10), S(1), S(2), S(4), S(5), S(6), S(7), S(8), S(9), S(10)},
    }};
    playOneDeal(g, table, deckDealing(4, strong), 4);
    EXPECT_EQ(tricks, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace morvello
