// Whole matches in the game window, played with real mouse clicks on the table:
// the dealer choice, legal and refused cards, a play signal, the score sheet,
// Continue, Repeat the last hand, New Game and Quit.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <stdexcept>

#include "app/game_window.h"
#include "cards/shuffle.h"
#include "qt_app.h"
#include "rules/play_rules.h"
#include "table/table_geometry.h"
#include "window_test_options.h"

namespace morvello {
namespace {

std::string artefactPath(const char* name) {
    return std::string(MORVELLO_TEST_ARTEFACTS) + "/" + name;
}

class WindowMatch : public ::testing::Test {
  protected:
    WindowMatch() : window_(testOptions(dir_)) {
        window_.Form_Load();
        setUp().deck = orderedDeck();  // draws ace, 2, 3, 4: the human deals
        setUp().scoreOption = 1;       // 31 points: a match of three deals at least
        window_.resize(1024, 800);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_.matchRunning(); }));
    }

    const GameState& g() { return window_.state(); }
    GameState& setUp() { return window_.match().stateBeforeStart(); }
    const TableGeometry& geo() { return window_.table().geometry(); }
    QtTable& table() { return window_.table(); }
    TableScene& scene() { return window_.scene(); }
    const GameMenus& menus() { return window_.menus(); }

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
    void clickListItem(int row) {
        QListWidget& list = scene().signalList();
        const QRect rect = list.visualItemRect(list.item(row));
        const QPointF at = scene().signalListItem().mapToScene(
            QPointF(list.viewport()->mapTo(&list, rect.center())));
        clickTable(at);
    }
    QMessageBox* shownBox() {
        for (QMessageBox* box : window_.findChildren<QMessageBox*>())
            if (box->isVisible()) return box;
        return nullptr;
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
    std::array<int, 11> humanHand() {
        std::array<int, 11> hand{};
        for (int slot = 1; slot <= 10; ++slot) hand[slot] = g().hands[1][slot] % 100;
        std::sort(hand.begin() + 1, hand.end());
        return hand;
    }

    void drawDealer() {
        ASSERT_TRUE(table().waitingForDeck());
        EXPECT_TRUE(scene().deck().isVisible());
        EXPECT_TRUE(menus().personalize->isEnabled());
        EXPECT_FALSE(menus().continueItem->isEnabled());
        clickDeck();
        const Point drawn = drawPosition(geo(), 2);
        EXPECT_EQ(scene().card(g().deck[1]).pos(), QPointF(drawn.x, drawn.y));
        EXPECT_FALSE(menus().personalize->isEnabled());
        for (int draw = 2; draw <= 4; ++draw) clickDeck();
        EXPECT_FALSE(table().waitingForDeck());
    }

    // The first legal card of the hand; with refuse, a card of another suit first.
    int chooseCard(bool refuse) {
        const bool leading = g().leaderSeat == 1;
        const int leadSuit = leading ? 0 : Seme(g().tableCards[g().leaderSeat]);
        int follow = 0, other = 0;
        for (int slot = 1; slot <= 10; ++slot) {
            const int code = g().hands[1][slot];
            if (isPlayed(code) || code == 0) continue;
            if (leading || Seme(code) == leadSuit) {
                if (!follow) follow = code;
            } else if (!other) {
                other = code;
            }
        }
        if (refuse && follow && other) return -other;
        return follow ? follow : other;
    }

    // Plays the human's cards until the deal's score sheet is drawn.
    void playDeal(std::array<int, 11>* firstHand = nullptr) {
        bool firstTurn = true;
        for (int guard = 0; guard < 200 && !table().waitingForCommand(); ++guard) {
            if (table().waitingForHumanCard()) {
                if (firstTurn) {
                    firstTurn = false;
                    if (firstHand) *firstHand = humanHand();
                    checkDealInProgress();
                }
                playOneCard();
            } else if (table().waitingForSignal()) {
                chooseSignal();
            } else {
                FAIL() << "the match waits for nothing the test knows";
            }
        }
        ASSERT_TRUE(table().waitingForCommand());
        EXPECT_TRUE(sheetShows("SCORES"));
    }

    void playOneCard() {
        const int choice = chooseCard(!refusedOnce_);
        if (choice < 0) {
            refusedOnce_ = true;
            clickCard(-choice);
            QMessageBox* box = table().openMessage();
            ASSERT_NE(box, nullptr);
            const int leadSuit = Seme(g().tableCards[g().leaderSeat]);
            EXPECT_EQ(box->text().toStdString(), "You have " + suitNames[leadSuit]);
            EXPECT_TRUE(holdsUnplayed(g(), 1, static_cast<Byte>(-choice)));
            pressOk(box);
            ASSERT_TRUE(table().waitingForHumanCard());
            EXPECT_TRUE(holdsUnplayed(g(), 1, static_cast<Byte>(-choice)));
            return;
        }
        clickCard(choice);
        EXPECT_FALSE(holdsUnplayed(g(), 1, static_cast<Byte>(choice)));
    }

    void chooseSignal() {
        const int card = g().cardToPlay;
        if (knocked_) {
            clickCard(card);  // on with no signal
            return;
        }
        knocked_ = true;
        clickCard(card, Qt::RightButton);
        const QPointF beside = scene().card(card).pos() + QPointF(geo().cardWidth, 0);
        EXPECT_EQ(scene().signalListItem().pos(), beside);
        clickListItem(2);  // "Busso"
        EXPECT_EQ(scene().signalList().item(2)->text(), "Busso");
        EXPECT_DOUBLE_EQ(scene().signalListItem().pos().x(), 2500);
    }

    void checkDealInProgress() {
        if (g().dealNumber == 1) {
            EXPECT_FALSE(menus().continueItem->isEnabled());
        }
        EXPECT_FALSE(menus().replay->isEnabled());
        EXPECT_FALSE(menus().score->isEnabled());
        EXPECT_FALSE(menus().call->isEnabled());
        EXPECT_FALSE(scene().deck().isVisible());
        for (int slot = 1; slot <= 10; ++slot) {
            const int code = g().hands[1][slot];
            if (isPlayed(code)) continue;
            const Point at = humanSlot(geo(), slot);
            EXPECT_EQ(scene().card(code).pos(), QPointF(at.x, at.y));
        }
        if (!screenshotTaken_) {
            screenshotTaken_ = true;
            EXPECT_TRUE(
                window_.grab().save(QString::fromStdString(artefactPath("deal_in_progress.png"))));
        }
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
    GameWindow window_;
    bool refusedOnce_ = false;
    bool knocked_ = false;
    bool screenshotTaken_ = false;
};

TEST_F(WindowMatch, WholeMatchWithContinueRepeatAndNewGame) {
    drawDealer();
    EXPECT_EQ(g().dealerSeat, 1);
    playDeal();
    EXPECT_TRUE(refusedOnce_);
    EXPECT_TRUE(knocked_);
    EXPECT_TRUE(sheetShows("Total   = " + std::string(" ") + std::to_string(g().matchTotal[0])));
    EXPECT_TRUE(menus().continueItem->isEnabled());
    EXPECT_TRUE(menus().newGame->isEnabled());
    EXPECT_TRUE(menus().replay->isEnabled());
    EXPECT_TRUE(window_.grab().save(QString::fromStdString(artefactPath("score_sheet.png"))));

    menus().continueItem->trigger();
    EXPECT_EQ(g().dealNumber, 2);
    std::array<int, 11> firstPlaying{}, replayed{};
    playDeal(&firstPlaying);
    ASSERT_TRUE(menus().continueItem->isEnabled()) << "31 points take three deals";
    const std::array<int, 2> before = g().matchTotal;
    const int dealA = g().dealScoreA[2] / 3, dealB = g().dealScoreB[2] / 3;

    menus().replay->trigger();
    QMessageBox* confirm = shownBox();
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->text().toStdString(),
              "The final score will report the points of repeated hand\n"
              "These will take the place of the previous one");
    EXPECT_TRUE(table().waitingForCommand());
    pressOk(confirm);
    EXPECT_EQ(g().dealNumber, 2);
    EXPECT_FALSE(menus().replay->isChecked());
    playDeal(&replayed);
    EXPECT_EQ(replayed, firstPlaying);
    EXPECT_EQ(g().matchTotal[0], before[0] - dealA + g().dealScoreA[2] / 3);
    EXPECT_EQ(g().matchTotal[1], before[1] - dealB + g().dealScoreB[2] / 3);

    for (int deal = 0; deal < 12 && !sheetShows("GAME OVER"); ++deal) {
        ASSERT_TRUE(menus().continueItem->isEnabled());
        menus().continueItem->trigger();
        playDeal();
    }
    ASSERT_TRUE(sheetShows("GAME OVER"));
    EXPECT_FALSE(menus().continueItem->isEnabled());
    EXPECT_FALSE(menus().replay->isEnabled());
    EXPECT_TRUE(menus().newGame->isEnabled());
    EXPECT_TRUE(menus().score->isEnabled());
    EXPECT_TRUE(window_.grab().save(QString::fromStdString(artefactPath("game_over.png"))));

    menus().newGame->trigger();
    EXPECT_TRUE(table().waitingForDeck());
    EXPECT_EQ(g().dealNumber, 1);
    EXPECT_EQ(g().matchTotal, (std::array<int, 2>{0, 0}));
}

TEST_F(WindowMatch, OptionsAreCheckedAndSavedAtOnce) {
    const QString file = dir_.filePath("config.qvr");
    menus().velocita[3]->trigger();
    EXPECT_TRUE(menus().velocita[3]->isChecked());
    EXPECT_FALSE(menus().velocita[2]->isChecked());
    EXPECT_EQ(g().playRate, 3);
    ASSERT_TRUE(QFile::exists(file));
    menus().callYes[2]->trigger();
    EXPECT_TRUE(menus().callYes[2]->isChecked());
    EXPECT_FALSE(menus().callYes[1]->isChecked());
    menus().punti[0]->trigger();
    EXPECT_TRUE(menus().punti[0]->isChecked());
    EXPECT_FALSE(menus().punti[1]->isChecked());

    GameState reread;
    SoundChoices rereadSound;
    ConfigStore(dir_.path(), dir_.filePath("user")).Set_Read(reread, rereadSound);
    EXPECT_EQ(reread.playRate, 3);
    EXPECT_EQ(reread.allowAllDeclare, 2);
    EXPECT_EQ(reread.scoreOption, 0);
}

TEST_F(WindowMatch, NamesConfirmedDuringTheChoiceRestartItWithTheNewNames) {
    ASSERT_TRUE(menus().personalize->isEnabled());
    menus().personalize->trigger();
    EXPECT_EQ(g().phase, Phase::PersonalizePlayers);
    EXPECT_TRUE(sheetShows("  Names of the Players"));
    clickDeck();  // ignored while the panel is open
    EXPECT_EQ(g().cardToPlay, 0);
    scene().nameBox(1).setText("Nina");
    QTest::mouseClick(&scene().namesOk(), Qt::LeftButton);
    EXPECT_EQ(g().phase, Phase::SceltaCartaro);
    EXPECT_EQ(g().drawCount, 1);  // the choice starts again from the first card
    EXPECT_TRUE(sheetShows("Nina"));
    EXPECT_TRUE(table().waitingForDeck());
    clickDeck();
    EXPECT_FALSE(menus().personalize->isEnabled());  // only until the first draw
}

TEST_F(WindowMatch, QuitEndsTheMatchWhereverItWaits) {
    drawDealer();
    ASSERT_TRUE(table().waitingForHumanCard());
    menus().quit->trigger();
    EXPECT_FALSE(window_.matchRunning());
    EXPECT_FALSE(table().waitingForHumanCard());
    GameState reread;
    SoundChoices rereadSound;
    ConfigStore(dir_.path(), dir_.filePath("user")).Set_Read(reread, rereadSound);
    EXPECT_TRUE(isFullDeck(reread.deck));
    EXPECT_EQ(reread.dealerSeat, 1);
}

TEST(WindowFailure, AFailureInTheMatchIsShownAndEndsTheGameWithTheFileIntact) {
    QTemporaryDir dir;
    testing::qtApp();
    WindowOptions options = testOptions(dir);
    options.main.newDeck = [](Deck&) -> bool { throw std::runtime_error("no deck to deal"); };
    GameWindow window(std::move(options));
    window.Form_Load();
    window.match().stateBeforeStart().deck = orderedDeck();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.table().waitingForDeck(); }));
    for (int draw = 1; draw <= 4; ++draw) window.table().dorsov_Click();  // the deal fails

    QMessageBox* box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QMessageBox* b : window.findChildren<QMessageBox*>())
            if (b->isVisible()) box = b;
        return box != nullptr;
    }));
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

TEST(WindowStartUp, CaptionsAreTheGamesOwn) {
    QTemporaryDir dir;
    testing::qtApp();
    GameWindow window(testOptions(dir));
    EXPECT_EQ(window.windowTitle(), "Velquist - Morvello");
    const GameMenus& m = window.menus();
    EXPECT_EQ(m.replay->text(), "Repeat the last hand");
    EXPECT_EQ(m.continueItem->text(), "Continue");
    EXPECT_EQ(m.rules->text(), "&Game rules");
    EXPECT_EQ(m.personalize->text(), "&Personalize Playersi");
    EXPECT_EQ(m.call->title(), "&Allow all to declare");
    EXPECT_EQ(m.playRate->title(), "&Play rate");
    EXPECT_EQ(m.score->title(), "&Score");
    EXPECT_EQ(m.punti[1]->text(), "31 points");
    EXPECT_EQ(m.music->title(), "&Music        ");
    EXPECT_EQ(m.about->text(), "&Info          ");
    EXPECT_EQ(m.help->text(), "&Help            ");
    EXPECT_EQ(m.quit->text(), "Quit");
    window.help_Click();
    QMessageBox* help = window.findChild<QMessageBox*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "HELP MORVELLO");
    EXPECT_TRUE(help->text().startsWith("        POINT-DECLARATIONS\n'Buongioco of.., means"));
    EXPECT_TRUE(help->text().contains("- 3 points\n\n'4 assi'"));
    help->accept();
}

}  // namespace
}  // namespace morvello
