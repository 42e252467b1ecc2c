#include "settings/config_format.h"

#include <gtest/gtest.h>

#include "cards/shuffle.h"
#include "config_lines.h"

namespace morvello {
namespace {

GameState parsed(std::string_view bytes) {
    GameState g;
    parseConfig(bytes, g);
    return g;
}

TEST(ConfigFormat, WriterStoresOnlyWhatReadsBack) {
    GameState g;
    g.playRate = 7;
    g.allowAllDeclare = 0;
    g.scoreOption = 3;
    g.rustleChoice = 9;
    g.dealerSeat = 6;
    g.deck[1] = 5;  // a deck that is not whole
    g.playerNames = {"Rossi, Mario", " \"Bo\"", "Line\r\nBreak", "\u4E2D\u6587"};
    const GameState back = parsed(formatConfig(g));
    EXPECT_EQ(back.playRate, 2);
    EXPECT_EQ(back.allowAllDeclare, 1);
    EXPECT_EQ(back.scoreOption, 0);
    EXPECT_EQ(back.rustleChoice, 1);
    EXPECT_EQ(back.dealerSeat, 0);
    EXPECT_EQ(back.deck, GameState{}.deck);
    EXPECT_EQ(back.playerNames, (std::array<std::string, 4>{"Rossi Mario", "Bo", "LineBreak", ""}));
    EXPECT_EQ(formatConfig(back), formatConfig(g));
}

TEST(ConfigFormat, DeckThatIsNotAPermutationIsDropped) {
    GameState g;
    std::mt19937 engine(7);
    Mescola(g, engine);
    g.dealerSeat = 3;
    std::vector<std::string> lines = splitLines(formatConfig(g));
    ASSERT_TRUE(hasStoredDeck(parsed(joinLines(lines))));
    lines[9] = " 41 ";
    const GameState back = parsed(joinLines(lines));
    EXPECT_FALSE(hasStoredDeck(back));
    EXPECT_EQ(back.deck, GameState{}.deck);
    EXPECT_EQ(back.dealerSeat, g.dealerSeat);
}

TEST(ConfigFormat, DeckEntriesBeyondSixteenBitsFailAndKeepZero) {
    std::vector<std::string> lines = splitLines(formatConfig(GameState{}));
    for (int card = 1; card <= 40; ++card) lines[8 + card] = " " + std::to_string(card) + " ";
    ASSERT_TRUE(hasStoredDeck(parsed(joinLines(lines))));
    lines[9] = " 65537 ";  // would wrap to 1 in a 16-bit variable
    lines[49] = " 2 ";
    const GameState g = parsed(joinLines(lines));
    EXPECT_FALSE(hasStoredDeck(g));
    EXPECT_EQ(g.dealerSeat, 2);
}

TEST(ConfigFormat, ReadingSetsRateFactorAndNoReplayDeck) {
    GameState g;
    g.noReplayDeck = false;
    parseConfig(" 3 \r\n", g);
    EXPECT_EQ(g.playRate, 3);
    EXPECT_EQ(g.rateFactor, 30);
    EXPECT_TRUE(g.noReplayDeck);
}

}  // namespace
}  // namespace morvello
