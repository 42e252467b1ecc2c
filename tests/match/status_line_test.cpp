// The status line's sentences at each stage of a deal, and how the events and
// the table's waits follow one another in it.
#include "match/status_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "card_notation.h"
#include "cards/card_name.h"
#include "players/hint.h"

namespace morvello {
namespace {

using namespace morvello::testing;

TEST(StatusLine, WaitsAreToldInThePlayersWords) {
    GameState g;
    g.turnSeat = 2;
    EXPECT_EQ(waitSentence(g, Awaited::DeckDraw),
              "Click the deck to draw for the dealer: Right draws");
    g.turnSeat = 1;
    EXPECT_EQ(waitSentence(g, Awaited::DeckDraw),
              "Click the deck to draw for the dealer: your card");
    g.leaderSeat = 1;
    EXPECT_EQ(waitSentence(g, Awaited::HumanCard), "Your lead");
    g.leaderSeat = 3;
    g.tableCards[3] = card("KC");
    EXPECT_EQ(waitSentence(g, Awaited::HumanCard), "Follow Coppe");
    EXPECT_EQ(waitSentence(g, Awaited::Signal),
              "Click your card to go on, or right-click it to give a signal");
    EXPECT_EQ(waitSentence(g, Awaited::Command), "Game \u25b8 Continue for the next deal");
}

TEST(StatusLine, TricksAndTheMatchEndNameThePlayersWithTheirPoints) {
    GameState g;
    EXPECT_EQ(trickSentence(g, 3, 3), "Partner won the trick: 1 point");
    EXPECT_EQ(trickSentence(g, 1, 7), "You won the trick: 2 1/3 points");
    EXPECT_EQ(pointsText(0), "0 points");
    EXPECT_EQ(pointsText(2), "2/3 point");
    EXPECT_EQ(pointsText(6), "2 points");
    EXPECT_EQ(gameOverSentence(g, 0, 22, 18), "GAME OVER: You-Partner win 22 to 18");
    EXPECT_EQ(gameOverSentence(g, 1, 19, 23), "GAME OVER: Right-Left win 23 to 19");
}

TEST(StatusLine, GameOverStaysUntilTheNextMatchStarts) {
    GameState g;
    StatusLine line;
    std::vector<std::string> said;
    line.onChange = [&](const std::string& text) { said.push_back(text); };
    g.leaderSeat = 1;
    line.waiting(g, Awaited::HumanCard);
    line.waiting(g, Awaited::HumanCard);  // a refused card: no second announcement
    line.onPlay(g, 1, card("AC"));
    line.onTrick(g, 2, 3);
    line.onResult(g, 0);
    line.waiting(g, Awaited::Command);
    line.onGameOver(g, 1, 12, 21);
    line.waiting(g, Awaited::Command);
    EXPECT_EQ(line.text(), "GAME OVER: Right-Left win 21 to 12");
    line.onMatchStart(g);
    g.turnSeat = 2;
    line.waiting(g, Awaited::DeckDraw);
    EXPECT_EQ(said,
              (std::vector<std::string>{
                  "Your lead", "You played the Ace of Coppe", "Right won the trick: 1 point",
                  "Game \u25b8 Continue for the next deal", "GAME OVER: Right-Left win 21 to 12",
                  "Click the deck to draw for the dealer: Right draws"}));
}

TEST(CardName, EveryCardHasItsSpokenName) {
    EXPECT_EQ(morvello::cardName(card("AC")), "Ace of Coppe");
    EXPECT_EQ(morvello::cardName(card("JB")), "Knave of Bastoni");
    EXPECT_EQ(morvello::cardName(card("HD")), "Horse of Denari");
    EXPECT_EQ(morvello::cardName(card("KS")), "King of Spade");
    EXPECT_EQ(morvello::cardName(0), "");
}

// The human follows Coppe holding a single Coppe: the hint can only be that card,
// and working it out leaves the game's state as it was.
TEST(Hint, TheStrategysCardForSeatOneLeavesTheStateAlone) {
    GameState g;
    const std::vector<Byte> hand = cards("4D 5C AS 2S 3S 4S 6D 7D 5D 6S");
    for (int slot = 1; slot <= 10; ++slot)
        placeInHand(g, 1, slot, hand[static_cast<std::size_t>(slot - 1)]);
    g.leaderSeat = 4;
    g.turnSeat = 1;
    g.cardsPlayed = 2;
    g.tableCards[4] = card("KC");
    const GameState before = g;
    EXPECT_EQ(hintCard(g), card("5C"));
    EXPECT_EQ(g.hands, before.hands);
    EXPECT_EQ(g.holdMap, before.holdMap);
    EXPECT_EQ(g.cardToPlay, before.cardToPlay);
}

}  // namespace
}  // namespace morvello
