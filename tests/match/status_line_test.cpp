// What this suite guards: the status line's sentences at each stage of a deal,
// and how the events and the table's waits follow one another in it.
#include "match/status_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "card_notation.h"

namespace morvello {
namespace {

using namespace morvello::testing;

TEST(StatusLine, WaitsAreToldInThePlayersWords) {
    GameState g;
    g.turnSeat = 2;
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::DeckDraw),
              "Click the deck to draw for the dealer: Right draws");
    g.turnSeat = 1;
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::DeckDraw),
              "Click the deck to draw for the dealer: your card");
    g.leaderSeat = 1;
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::HumanCard), "Your lead");
    g.leaderSeat = 3;
    g.tableCards[3] = card("KC");
    g.playedCards[3] = cardBit(card("KC"));
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::HumanCard), "Follow Coppe");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Signal),
              "Click your card to go on, or right-click it to give a signal");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Command),
              "Game \u25b8 Continue for the next deal");
    // After a key, the keys.
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::DeckDraw, InputWay::Keys),
              "Press Enter to draw for the dealer: your card");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Signal, InputWay::Keys),
              "Press Enter to go on, or S to give a signal");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Command, InputWay::Keys),
              "Press Ctrl+Enter for the next deal");
    EXPECT_EQ(dealerSentence(seatView(g, 1), 1), "You deal");
    EXPECT_EQ(dealerSentence(seatView(g, 1), 4), "Left deals");
    g.playerNames[0] = "Anna";
    EXPECT_EQ(dealerSentence(seatView(g, 1), 1), "Anna deals");
}

TEST(StatusLine, TricksAndTheMatchEndNameThePlayersWithTheirPoints) {
    GameState g;
    EXPECT_EQ(trickSentence(seatView(g, 1), 3, 3), "Partner won the trick: 1 point");
    EXPECT_EQ(trickSentence(seatView(g, 1), 1, 7), "You won the trick: 2 1/3 points");
    EXPECT_EQ(pointsText(0), "0 points");
    EXPECT_EQ(pointsText(2), "2/3 point");
    EXPECT_EQ(pointsText(6), "2 points");
    EXPECT_EQ(gameOverSentence(seatView(g, 1), 0, 22, 18), "GAME OVER: You-Partner win 22 to 18");
    EXPECT_EQ(gameOverSentence(seatView(g, 1), 1, 19, 23), "GAME OVER: Right-Left win 23 to 19");
}

TEST(StatusLine, GameOverStaysUntilTheNextMatchStarts) {
    GameState g;
    StatusLine line(1);
    std::vector<std::string> said;
    line.onChange = [&](const std::string& text) { said.push_back(text); };
    g.leaderSeat = 1;
    line.waiting(seatView(g, 1), Awaited::HumanCard);
    line.waiting(seatView(g, 1), Awaited::HumanCard);  // a refused card: no second announcement
    line.onPlay(g, 1, card("AC"));
    line.onTrick(g, 2, 3);
    line.onResult(g, 0);
    line.waiting(seatView(g, 1), Awaited::Command);
    line.onGameOver(g, 1, 12, 21);
    line.waiting(seatView(g, 1), Awaited::Command);
    EXPECT_EQ(line.text(),
              "GAME OVER: Right-Left win 21 to 12. Game \u25b8 New Game to play again");
    line.onMatchStart(g);
    g.turnSeat = 2;
    line.waiting(seatView(g, 1), Awaited::DeckDraw);
    EXPECT_EQ(said, (std::vector<std::string>{
                        "Your lead", "You played the Ace of Coppe", "Right won the trick: 1 point",
                        "Game \u25b8 Continue for the next deal",
                        "GAME OVER: Right-Left win 21 to 12. Game \u25b8 New Game to play again",
                        "Click the deck to draw for the dealer: Right draws"}));
}

}  // namespace
}  // namespace morvello
