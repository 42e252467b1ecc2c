// What this suite guards: the status line's sentences at each stage of a deal and
// of a match, each said once, and GAME OVER left standing until a new match.
#include "table/status_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "card_notation.h"
#include "cards/play_signal.h"
#include "rules/declarations.h"
#include "table/game_words.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// Each sentence as the game comes to it: the dealer choice, the human's lead, a
// refused card saying nothing new, the signal, a follow, tricks with their points
// in thirds, the deal's end, and GAME OVER staying until the next match starts.
TEST(StatusLine, EachStageIsToldOnceInThePlayersWords) {
    GameState g;
    StatusLine line(1);
    std::vector<std::string> said;
    line.onChange = [&](const std::string& text) { said.push_back(text); };
    g.turnSeat = 1;
    line.waiting(seatView(g, 1), Awaited::DeckDraw);
    g.leaderSeat = 1;
    line.waiting(seatView(g, 1), Awaited::HumanCard);
    line.waiting(seatView(g, 1), Awaited::HumanCard);  // a refused card: no second announcement
    line.onPlay(g, 1, card("AC"));
    line.waiting(seatView(g, 1), Awaited::Signal);
    line.onTrick(g, 3, 7);
    g.leaderSeat = 3;
    g.tableCards[3] = card("KC");
    g.playedCards[3] = cardBit(card("KC"));
    line.waiting(seatView(g, 1), Awaited::HumanCard);
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
                        "Click the deck to draw for the dealer: your card", "Your lead",
                        "You led the Ace of Coppe",
                        "Click your card to go on, or right-click it to give a signal",
                        "Partner won the trick: 2 1/3 points", "Follow Coppe",
                        "Right won the trick: 1 point",
                        "Deal 1: You-Partner 1, Right-Left 0. Totals 0 to 0",
                        "Game \u25b8 Continue for the next deal",
                        "GAME OVER: Right-Left win 21 to 12. Game \u25b8 New Game to play again",
                        "Click the deck to draw for the dealer: Right draws"}));
    EXPECT_EQ(gameOverSentence(seatView(g, 1), 0, 22, 18), "GAME OVER: You-Partner win 22 to 18");
    EXPECT_EQ(pointsText(0), "0 points");
    EXPECT_EQ(pointsText(2), "2/3 point");
    EXPECT_EQ(pointsText(6), "2 points");
}

// After a key the sentences name the keys; the dealer is told as a deal is
// dealt, in the words that fit "You" and a name; a tie says what comes next.
TEST(StatusLine, KeysDealersAndTiesAreToldToo) {
    GameState g;
    g.turnSeat = 1;
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::DeckDraw, InputWay::Keys),
              "Press Enter to draw for the dealer: your card");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Signal, InputWay::Keys),
              "Press Enter to go on, or S to give a signal");
    EXPECT_EQ(waitSentence(seatView(g, 1), Awaited::Command, InputWay::Keys),
              "Press Ctrl+Enter for the next deal");
    StatusLine line(1);
    line.setInputWay(InputWay::Keys);
    line.onTie(g);
    EXPECT_EQ(line.text(), "A tie for the highest card: the four draw again");
    g.dealerSeat = 1;
    line.onDealing(g);
    EXPECT_EQ(line.text(), "You deal");
    g.dealerSeat = 4;
    line.onDealing(g);
    EXPECT_EQ(line.text(), "Left deals");
    g.playerNames[0] = "Anna";
    line.onDealer(g, 1);
    EXPECT_EQ(line.text(), "Anna deals");
    line.onGameOver(g, 0, 21, 9);
    EXPECT_EQ(line.text(), "GAME OVER: Anna-Partner win 21 to 9. Press Ctrl+N to play again");

    // The signal the table shows with a card, and the last trick shown again.
    g.leaderSeat = g.turnSeat = 2;
    g.cardsPlayed = 1;
    g.cardToPlay = card("5C");
    g.trickSignals[2] = kBusso;
    line.onPlay(g, 2, card("5C"));
    EXPECT_EQ(line.text(), "Right led the Five of Coppe with a Busso");
    g.trickSignals[2] = kVolo;
    g.allowAllDeclare = kOnlyLeaderDeclares;
    g.turnSeat = 3;
    g.trickSignals[3] = kVolo;  // a follower's Volo is not shown then
    line.onPlay(g, 3, card("KC"));
    EXPECT_EQ(line.text(), "Partner played the King of Coppe");
    line.showingLastTrick(seatView(g, 1), {0, card("AD"), card("5C"), card("KC"), card("2S")}, 4);
    EXPECT_EQ(line.text(),
              "Last trick: Anna Ace of Denari, Right Five of Coppe, Partner King of Coppe, Left "
              "Two of Spade; Left took it");

    // A signal picked from the list, and a seat's declarations, each worded whole.
    line.onSignalChosen(g, kStriscio);
    EXPECT_EQ(line.text(), "Partner gave a Striscio");
    line.onSignalChosen(g, kNoSignal);
    EXPECT_EQ(line.text(), "Partner gave no signal");
    g.declSlots[3] = {0, kFourOfAKind, kNapoletana, kBastoni, 0};
    line.onDeclarationsShown(g, 3);
    EXPECT_EQ(line.text(),
              "Partner declares: Four aces, Napoletana with Coppe, Buongioco of three "
              "(-Bastoni)");
}

}  // namespace
}  // namespace morvello
