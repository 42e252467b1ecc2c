// The dealer choice: draws by deck clicks, ties, a used-up deck, a restart.
#include <gtest/gtest.h>

#include "recording_table.h"

namespace morvello {
namespace {

using testing::RecordingTable;

class DrawTable : public RecordingTable {
  public:
    using RecordingTable::RecordingTable;
    std::vector<std::pair<int, int>> draws;  // (seat, card)
    int ties = 0;
    void onDraw(Byte seat, Byte card) override { draws.emplace_back(seat, card); }
    void onTie() override { ++ties; }
};

// Runs Main up to the first shuffle, which ends the run: the dealer choice alone.
void chooseDealer(GameState& g, Table& table) {
    Form_Activate(g);
    Task<> run = Main(g, table, MainOptions{[](GameState&) { return false; }, std::nullopt});
    run.start();
    run.rethrowIfFailed();
    ASSERT_TRUE(run.done());
}

std::array<int, 41> deckStarting(std::initializer_list<int> first) {
    std::array<int, 41> deck{};
    std::array<bool, 41> used{};
    int i = 1;
    for (int c : first) {
        deck[i++] = c;
        used[c] = true;
    }
    for (int c = 1; c <= 40; ++c)
        if (!used[c]) deck[i++] = c;
    return deck;
}

TEST(DealerChoice, TieIsAnnouncedAndTheNextFourCardsAreDrawn) {
    GameState g;
    // 7 (seat 2), king (seat 3), king (seat 4), 2 (seat 1): a tie. Then ace, 5,
    // horse, knave: seat 4's horse deals.
    g.deck = deckStarting({7, 10, 20, 2, 1, 5, 9, 8});
    DrawTable table(g);
    chooseDealer(g, table);

    EXPECT_EQ(table.ties, 1);
    EXPECT_EQ(table.messages, std::vector<std::string>{"Repeat, please"});
    EXPECT_TRUE(table.logged("sound 4"));
    for (int card : {7, 10, 20, 2})
        EXPECT_TRUE(table.logged("place " + std::to_string(card) + " 1500,1500"));
    ASSERT_EQ(table.draws.size(), 8u);
    EXPECT_EQ(table.draws[4], std::make_pair(2, 1));  // seat 2 draws deck(5)
    EXPECT_EQ(table.draws[7], std::make_pair(1, 8));
    EXPECT_EQ(g.dealerSeat, 4);
    EXPECT_EQ(g.turnSeat, 1);  // the seat after the dealer receives first and leads
    EXPECT_EQ(g.phase, Phase::None);
}

TEST(DealerChoice, TenTiedCyclesEndWithNoDealerAndNeverDrawPastTheDeck) {
    GameState g;
    // Each group of four draws holds one value in all four suits: every cycle ties.
    int i = 1;
    for (int value = 1; value <= 10; ++value)
        for (int suit = 1; suit <= 4; ++suit) g.deck[i++] = cardCode(suit, value);
    DrawTable table(g);
    chooseDealer(g, table);
    EXPECT_EQ(table.draws.size(), 40u);
    EXPECT_EQ(table.ties, 10);
    EXPECT_EQ(g.dealerSeat, 0);
    EXPECT_EQ(g.turnSeat, 1);
    EXPECT_EQ(g.phase, Phase::None);
}

TEST(DealerChoice, ConfirmedNamesRestartTheChoiceFromTheFirstCard) {
    GameState g;
    g.deck = deckStarting({1, 5, 9, 8});
    DrawTable table(g);
    table.onDeckClick = [&](GameState& s) {
        if (table.deckClicks == 1) s.phase = Phase::SceltaCartaroAgain;  // OK on the names panel
    };
    chooseDealer(g, table);
    ASSERT_EQ(table.draws.size(), 4u);
    EXPECT_EQ(table.draws[0], std::make_pair(2, 1));
    EXPECT_EQ(g.dealerSeat, 4);
}

TEST(DealerChoice, PersonalizePlayersOnlyUntilTheFirstDraw) {
    GameState g;
    g.deck = deckStarting({1, 5, 9, 8});
    DrawTable table(g);
    std::vector<bool> enabledAtClick;
    table.onDeckClick = [&](GameState& s) { enabledAtClick.push_back(s.menus.personalizeEnabled); };
    chooseDealer(g, table);
    EXPECT_EQ(enabledAtClick, (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(g.menus.newGameEnabled);
    EXPECT_FALSE(g.menus.continueEnabled);
}

// A first start (all zeros), or a stored deck with an entry the file could not
// give (0) or gave twice: a whole fresh deck is shuffled before the draws.
TEST(DealerChoice, NoStoredDeckIsShuffledBeforeTheDraws) {
    std::array<int, 41> repeated{};
    for (int i = 1; i <= 40; ++i) repeated[i] = i;
    std::array<int, 41> unreadable = repeated;
    repeated[40] = 1;
    unreadable[7] = 0;
    for (const auto& stored : {std::array<int, 41>{}, repeated, unreadable}) {
        GameState g;
        g.deck = stored;
        DrawTable table(g);
        chooseDealer(g, table);
        EXPECT_TRUE(isFullDeck(g.deck));
        for (const auto& [seat, card] : table.draws) EXPECT_TRUE(card >= 1 && card <= 40) << seat;
    }
}

}  // namespace
}  // namespace morvello
