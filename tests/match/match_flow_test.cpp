// What this suite guards: the life of a match through the controller: the dealer
// choice (ties, names restarting it, an unusable stored deck), Continue, Repeat
// the last hand, New Game, and the menus enabled at each stage.
#include <gtest/gtest.h>

#include "match/commands.h"
#include "match_harness.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The draws of the log, in order: "seat card".
std::vector<std::string> drawsOf(const RecordingTable& table) {
    std::vector<std::string> draws;
    for (const std::string& line : table.log)
        if (line.rfind("draw seat ", 0) == 0) draws.push_back(line.substr(10));
    return draws;
}

// A run that ends at the first shuffle after the choice: the dealer choice alone.
struct ChoiceRun {
    RecordingTable table;
    MatchRun run{table, MatchOptions{decks({}), std::nullopt, kOnePersonAtSeatOne}};
};

TEST(DealerChoice, TieIsAnnouncedAndTheNextFourCardsAreDrawn) {
    ChoiceRun c;
    // 7 (seat 2), king, king, 2 (seat 1): a tie. Then ace, 5, horse, knave: the horse deals.
    c.run.setUp().deck = deckStarting("7D KD KC 2D AD 5D HD JD");
    c.run.run();

    EXPECT_EQ(drawsOf(c.table), (std::vector<std::string>{"2 7D", "3 KD", "4 KC", "1 2D", "2 AD",
                                                          "3 5D", "4 HD", "1 JD"}));
    const std::size_t tie = c.table.indexOf("sound Tie");
    ASSERT_LT(tie + 6, c.table.log.size());
    EXPECT_EQ(std::vector<std::string>(c.table.log.begin() + tie, c.table.log.begin() + tie + 7),
              (std::vector<std::string>{"sound Tie", "tie", "message repeat draw",
                                        "park 7D after-trick", "park KD after-trick",
                                        "park KC after-trick", "park 2D after-trick"}));
    EXPECT_EQ(c.table.messages, std::vector<TableMessage>{{TableMessage::Kind::RepeatDraw}});
    EXPECT_EQ(c.run.state().dealerSeat, 4);
    EXPECT_EQ(c.run.state().turnSeat, 1);  // the seat after the dealer receives first and leads
    EXPECT_EQ(c.run.state().phase, Phase::None);
}

TEST(DealerChoice, TenTiedCyclesEndWithNoDealerAndNeverDrawPastTheDeck) {
    ChoiceRun c;
    // Each group of four draws holds one value in all four suits: every cycle ties.
    std::string deck;
    for (const char value : kValueLetters)
        for (const char suit : kSuitLetters) deck += std::string{value, suit, ' '};
    c.run.setUp().deck = deckStarting(deck);
    c.run.run();
    EXPECT_EQ(drawsOf(c.table).size(), 40u);
    EXPECT_EQ(c.table.count("tie"), 10);
    EXPECT_EQ(c.run.state().dealerSeat, 0);
    EXPECT_EQ(c.run.state().turnSeat, 1);
    EXPECT_EQ(c.run.state().phase, Phase::None);
}

// Looking again with nothing changed keeps waiting for the draw; names confirmed
// on the panel start the choice again from the first card.
TEST(DealerChoice, ConfirmedNamesRestartTheChoiceFromTheFirstCard) {
    ChoiceRun c;
    c.run.setUp().deck = deckStarting("AD 5D HD JD");
    std::vector<bool> personalizeAtWait;
    c.table.deckAnswer = [&](int wait) {
        personalizeAtWait.push_back(c.run.state().menus.personalizeEnabled);
        if (wait == 1) return DeckInput::LookAgain;
        if (wait == 2) {
            c.run.match().setPlayerName(3, "Anna");
            c.run.match().confirmNames();
            return DeckInput::LookAgain;
        }
        return DeckInput::Draw;
    };
    c.run.run();
    EXPECT_EQ(drawsOf(c.table), (std::vector<std::string>{"2 AD", "3 5D", "4 HD", "1 JD"}));
    // The names are drawn when the table is set, when the choice starts, and again
    // when it starts over.
    const auto firstDraw = c.table.log.begin() + c.table.indexOfPrefix("draw seat ");
    EXPECT_EQ(std::count_if(c.table.log.begin(), firstDraw,
                            [](const std::string& l) { return l.rfind("names turn ", 0) == 0; }),
              3);
    EXPECT_EQ(c.run.state().playerNames[2], "Anna");
    EXPECT_EQ(c.run.state().dealerSeat, 4);
    // The names panel may open only until the first draw.
    EXPECT_EQ(personalizeAtWait, (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_FALSE(c.run.state().menus.newGameEnabled);
    EXPECT_FALSE(c.run.state().menus.continueEnabled);
}

// A first start (all zeros), or a stored deck with an entry the file could not
// give (0) or gave twice: a whole fresh deck is shuffled before the draws.
TEST(DealerChoice, NoStoredDeckIsShuffledBeforeTheDraws) {
    Deck repeated{};
    for (int i = 1; i <= 40; ++i) repeated[i] = i;
    Deck unreadable = repeated;
    repeated[40] = 1;
    unreadable[7] = 0;
    for (const Deck& stored : {Deck{}, repeated, unreadable}) {
        ChoiceRun c;
        c.run.setUp().deck = stored;
        c.run.run();
        EXPECT_TRUE(isFullDeck(c.run.state().deck));
        EXPECT_GE(drawsOf(c.table).size(), 4u);
    }
}

// A match of computer players from seeded shuffles, seat 2 dealing first; the
// commands after each deal come from `next`, given how many were asked for.
struct FlowRun {
    RecordingTable table;
    MatchRun run{table, MatchOptions{shuffles(3), Byte{2}, kFourComputers}};
    std::vector<GameState> atCommand;  // the state at each wait for a command

    void play(const std::function<Command(int asked, const GameState&)>& next) {
        table.chooseCommand = [&](const GameState& g) {
            atCommand.push_back(g);
            return next(static_cast<int>(atCommand.size()), g);
        };
        run.run();
    }
};

// Repeat the last hand is refused before any deal of the run, and after deal 1
// it does nothing; after deal 2 it deals the same cards and replaces the deal's
// score. Continue moves the dealer right without a new choice (the first match's
// dealer was given); New Game starts a fresh match with a dealer choice.
TEST(MatchFlow, ContinueRepeatTheLastHandAndNewGame) {
    FlowRun f;
    EXPECT_EQ(f.run.match().replayAnswer(), ReplayAnswer::Refused);
    const std::vector<Command> commands{Command::Continue, Command::Replay, Command::NewGame};
    f.play([&](int asked, const GameState&) {
        if (asked <= 2) {
            EXPECT_EQ(f.run.match().replayAnswer(),
                      asked == 1 ? ReplayAnswer::Nothing : ReplayAnswer::Confirm);
        }
        return asked <= 3 ? commands[std::size_t(asked - 1)] : Command::Quit;
    });
    ASSERT_EQ(f.atCommand.size(), 4u);
    EXPECT_TRUE(f.table.logged("replayed deal 2 dealer 3"));
    const GameState &before = f.atCommand[0], &first = f.atCommand[1], &again = f.atCommand[2];
    EXPECT_EQ(again.deck, first.deck);
    EXPECT_EQ(again.hands, first.hands);
    EXPECT_EQ(again.matchTotal[0], before.matchTotal[0] + again.dealScoreA[2] / 3);
    EXPECT_EQ(again.matchTotal[1], before.matchTotal[1] + again.dealScoreB[2] / 3);
    EXPECT_EQ(again.dealScoreA.size(), 3u);  // deals 1 and 2, index 0 unused

    const GameState& fresh = f.atCommand[3];
    EXPECT_EQ(fresh.dealNumber, 1);
    EXPECT_EQ(fresh.matchTotal[0], fresh.dealScoreA[1] / 3);  // totals started from zero
    EXPECT_EQ(fresh.matchTotal[1], fresh.dealScoreB[1] / 3);
    EXPECT_TRUE(f.table.logged("deal 1 dealer 2"));
    const std::size_t second = f.table.indexOf("deal 2 dealer 3");
    const std::size_t freshDeal = f.table.indexOfPrefix("deal 1 ", second);
    ASSERT_LT(freshDeal, f.table.log.size());
    const std::size_t firstDraw = f.table.indexOfPrefix("draw seat ");
    EXPECT_LT(second, firstDraw);
    EXPECT_LT(firstDraw, freshDeal);
}

// While a deal is played the options that change it are disabled; between deals
// Continue and Repeat the last hand are offered until the match is over.
TEST(MatchFlow, MenusFollowTheStagesOfAMatch) {
    FlowRun f;
    f.play([](int, const GameState& g) {
        return g.menus.continueEnabled ? Command::Continue : Command::Quit;
    });
    ASSERT_GE(f.atCommand.size(), 2u);
    bool playing = false;
    for (const std::string& line : f.table.log) {
        if (line.rfind("deal ", 0) == 0) playing = true;
        if (line == "result") playing = false;
        if (playing && line.rfind("menus", 0) == 0) {
            EXPECT_EQ(line.find(" allow-declare"), std::string::npos) << line;
            EXPECT_EQ(line.find(" score"), std::string::npos) << line;
            EXPECT_EQ(line.find(" replay"), std::string::npos) << line;
        }
    }
    const MenuState& midMatch = f.atCommand.front().menus;
    EXPECT_TRUE(midMatch.continueEnabled && midMatch.replayEnabled && midMatch.newGameEnabled);
    EXPECT_FALSE(midMatch.scoreEnabled);
    const GameState& over = f.atCommand.back();
    EXPECT_TRUE(f.table.logged("game over"));
    EXPECT_FALSE(over.menus.continueEnabled || over.menus.replayEnabled);
    EXPECT_TRUE(over.menus.newGameEnabled && over.menus.allowDeclareEnabled &&
                over.menus.scoreEnabled);
    EXPECT_EQ(over.matchTotal, (std::array<int, 2>{0, 0}));  // reset after GAME OVER
}

}  // namespace
}  // namespace morvello
