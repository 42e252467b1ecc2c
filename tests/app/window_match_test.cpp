// What this suite guards: whole matches in the game window played with real
// mouse clicks (the dealer choice, the cards, Continue, Repeat the
// last hand with its confirmation, New Game, Quit); the options saved at once,
// a failure shown, the smallest screen and the captions.
// Which menu items each stage enables is the controller's test.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <stdexcept>

#include "table/table_geometry.h"
#include "window_fixture.h"

namespace morvello {
namespace {

std::string artefactPath(const char* name) {
    return std::string(MORVELLO_TEST_ARTEFACTS) + "/" + name;
}

// Where a card, the deck and the signal list stand is the table's own test;
// here the clicks go through the whole window.
class WindowMatch : public WindowTest {
  protected:
    WindowMatch() : WindowTest(1) {}  // 31 points: a match of three deals at least

    const TableGeometry& geo() { return window_.table().geometry(); }
    void clickTable(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window_.view().viewport(), button, {}, window_.view().mapFromScene(at));
    }
    void clickCard(int code, Qt::MouseButton button = Qt::LeftButton) {
        clickTable(
            scene().card(code).pos() + QPointF(geo().cardWidth * 0.2, geo().cardHeight * 0.5),
            button);
    }
    void clickDeck() {
        const Point deck = deckPosition(geo());
        clickTable(QPointF(deck.x + geo().cardWidth / 2, deck.y + geo().cardHeight / 2));
    }
    void pressOk(QMessageBox* box) {
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool sheetShows(const std::string& text) {
        const auto& ops = scene().surface().ops();
        return std::any_of(ops.begin(), ops.end(),
                           [&](const DrawOp& op) { return op.text == text; });
    }

    void drawDealer() {
        ASSERT_TRUE(table().waitingForDeck());
        for (int draw = 1; draw <= 4; ++draw) clickDeck();
        EXPECT_FALSE(table().waitingForDeck());
    }

    // Clicks the human's cards until the deal's score sheet is drawn, giving no
    // signal; firstHand gets the hand as the deal's play starts.
    void playDeal(std::vector<int>* firstHand = nullptr) {
        bool firstTurn = true;
        for (int guard = 0; guard < 200 && !table().waitingForCommand(); ++guard) {
            if (table().waitingForHumanCard()) {
                if (firstTurn && firstHand) *firstHand = heldCards();
                if (firstTurn && !screenshotTaken_) {
                    screenshotTaken_ = true;
                    EXPECT_TRUE(window_.grab().save(
                        QString::fromStdString(artefactPath("deal_in_progress.png"))));
                }
                firstTurn = false;
                const int card = firstCard(true);
                clickCard(card);
                EXPECT_FALSE(holdsUnplayed(g(), 1, static_cast<Byte>(card)));
            } else if (table().waitingForSignal()) {
                clickCard(g().cardToPlay);  // on with no signal: the list is the table's test
            } else {
                FAIL() << "the match waits for nothing the test knows";
            }
        }
        ASSERT_TRUE(table().waitingForCommand());
        EXPECT_TRUE(sheetShows("SCORES"));
    }

    bool screenshotTaken_ = false;
};

TEST_F(WindowMatch, WholeMatchWithContinueRepeatAndNewGame) {
    drawDealer();
    EXPECT_EQ(g().dealerSeat, 1);
    playDeal();
    EXPECT_TRUE(sheetShows("Total   = " + std::string(" ") + std::to_string(g().matchTotal[0])));
    EXPECT_TRUE(window_.grab().save(QString::fromStdString(artefactPath("score_sheet.png"))));

    menus().continueItem->trigger();
    EXPECT_EQ(g().dealNumber, 2);
    std::vector<int> firstPlaying, replayed;
    playDeal(&firstPlaying);
    ASSERT_TRUE(menus().continueItem->isEnabled()) << "31 points take three deals";

    menus().replay->trigger();
    QMessageBox* confirm = shownChild<QMessageBox>(window_);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->text().toStdString(),
              "The final score will report the points of repeated hand\n"
              "These will take the place of the previous one");
    EXPECT_TRUE(table().waitingForCommand());
    pressOk(confirm);
    EXPECT_EQ(g().dealNumber, 2);
    EXPECT_FALSE(menus().replay->isChecked());
    playDeal(&replayed);
    EXPECT_EQ(replayed, firstPlaying);  // the score it replaces is the controller's test

    for (int deal = 0; deal < 12 && !sheetShows("GAME OVER"); ++deal) {
        ASSERT_TRUE(menus().continueItem->isEnabled());
        menus().continueItem->trigger();
        playDeal();
    }
    ASSERT_TRUE(sheetShows("GAME OVER"));
    EXPECT_FALSE(menus().continueItem->isEnabled());
    EXPECT_TRUE(window_.grab().save(QString::fromStdString(artefactPath("game_over.png"))));

    menus().newGame->trigger();
    EXPECT_TRUE(table().waitingForDeck());
    EXPECT_EQ(g().dealNumber, 1);
    EXPECT_EQ(g().matchTotal, (std::array<int, 2>{0, 0}));
}

TEST_F(WindowMatch, OptionsAreCheckedAndSavedAtOnce) {
    menus().playRates[3]->trigger();
    EXPECT_TRUE(menus().playRates[3]->isChecked());
    EXPECT_FALSE(menus().playRates[2]->isChecked());
    EXPECT_EQ(g().playRate, 3);
    ASSERT_TRUE(QFile::exists(dir_.filePath("config.qvr")));
    menus().callYes[2]->trigger();
    EXPECT_TRUE(menus().callYes[2]->isChecked());
    EXPECT_FALSE(menus().callYes[1]->isChecked());
    menus().matchTargets[0]->trigger();
    EXPECT_TRUE(menus().matchTargets[0]->isChecked());
    EXPECT_FALSE(menus().matchTargets[1]->isChecked());

    const GameState reread = storedGame(dir_);
    EXPECT_EQ(reread.playRate, 3);
    EXPECT_EQ(reread.allowAllDeclare, 2);
    EXPECT_EQ(reread.scoreOption, 0);
}

TEST_F(WindowMatch, QuitEndsTheMatchWhereverItWaits) {
    drawDealer();
    ASSERT_TRUE(table().waitingForHumanCard());
    menus().quit->trigger();
    EXPECT_FALSE(window_.matchRunning());
    EXPECT_FALSE(table().waitingForHumanCard());
    EXPECT_TRUE(isFullDeck(storedGame(dir_).deck));
    EXPECT_EQ(storedGame(dir_).dealerSeat, 1);
}

TEST(WindowFailure, AFailureInTheMatchIsShownAndEndsTheGameWithTheFileIntact) {
    QTemporaryDir dir;
    testing::qtApp();
    WindowOptions options = testOptions(dir);
    options.match.newDeck = [](Deck&) -> bool { throw std::runtime_error("no deck to deal"); };
    GameWindow window(std::move(options));
    window.setUp();
    window.match().stateBeforeStart().deck = orderedDeck();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.table().waitingForDeck(); }));
    for (int draw = 1; draw <= 4; ++draw) window.table().onDeckClick();  // the deal fails

    QMessageBox* box = nullptr;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (box = shownChild<QMessageBox>(window)) != nullptr; }));
    EXPECT_TRUE(box->text().contains("no deck to deal"));
    EXPECT_FALSE(window.matchRunning());
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(dir.filePath("config.qvr")));  // nothing was saved after it
}

TEST(WindowStartUp, ScreenMustHoldTheSmallestWindow) {
    EXPECT_TRUE(screenLargeEnough({829, 624}));
    EXPECT_FALSE(screenLargeEnough({828, 624}));
    EXPECT_FALSE(screenLargeEnough({829, 623}));
    EXPECT_EQ(GameWindow::openingTableArea({1280, 1024}), QSize(1024, 779));
    const QSize small = GameWindow::openingTableArea({900, 700});
    EXPECT_EQ(small.width() * 3, small.height() * 4);
    EXPECT_LE(small.height(), 700 - 40);
}

// The View and Players menus come between Sounds and Info.
TEST_F(WindowMatch, CaptionsAreTheGamesOwn) {
    QStringList captions;
    for (const QAction* item : window_.menuBar()->actions()) captions << item->text();
    EXPECT_EQ(
        captions.join('|').toStdString(),
        "&Game|&Options       |&Sounds         |&View|&Players|&Info          |&Help          "
        "  |Quit");
    EXPECT_EQ(window_.windowTitle(), "Velquist - Morvello");
    const GameMenus& m = menus();
    const QStringList items{
        m.replay->text(), m.continueItem->text(), m.rules->text(),  m.personalize->text(),
        m.call->title(),  m.playRate->title(),    m.score->title(), m.matchTargets[1]->text(),
        m.music->title(), m.about->text(),        m.help->text(),   m.quit->text()};
    EXPECT_EQ(items.join('|').toStdString(),
              "Repeat the last hand|Continue|&Game rules|&Personalize Playersi|&Allow all to "
              "declare|&Play rate|&Score|31 points|&Music        |&Info          |&Help            "
              "|Quit");
    window_.showDeclarationsHelp();
    QMessageBox* help = shownChild<QMessageBox>(window_);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "HELP MORVELLO");
    EXPECT_TRUE(help->text().startsWith("        POINT-DECLARATIONS\n'Buongioco of.., means"));
    EXPECT_TRUE(help->text().contains("- 3 points\n\n'4 assi'"));
    help->accept();
}

}  // namespace
}  // namespace morvello
