// What this suite guards: a whole match in the game window by mouse and by keys,
// the View menu's items, the shortcuts, the accessible names, the options saved
// at once (the Players menu in players.ini, never in config.qvr), a failure shown,
// the smallest screen and the captions.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <functional>
#include <stdexcept>

#include "cards/play_signal.h"
#include "match/expert_players.h"
#include "players/hint.h"
#include "rules/play_rules.h"
#include "table/game_words.h"
#include "table/table_accessible.h"
#include "window_fixture.h"

namespace morvello {
namespace {

// Where a card, the deck and the signal list stand is the table's own test;
// here the clicks and keys go through the whole window.
// The test window shown with its match started, the human dealing first, for a
// match of 31 points: three deals at least.
class WindowMatch : public ::testing::Test, public MatchObserver {
  protected:
    WindowMatch() : window_(testOptions(dir_)) {
        setUpOnOrderedDeck(window_, 1);
        window_.match().addObserver(*this);
        showAt(window_, {1024, 800});
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_.matchRunning(); }));
    }

    const GameState& g() { return window_.match().state(); }
    QtTable& table() { return window_.table(); }
    TableScene& scene() { return window_.scene(); }
    const GameMenus& menus() { return window_.menus(); }
    const ViewActions& view() { return window_.viewItems().actions(); }
    std::string status() { return window_.statusLabel().text().toStdString(); }
    // What assistive technologies were told last ends with the sentence shown.
    bool spokenStatusEndsWithShown() {
        return window_.statusLabel().accessibleName().endsWith(window_.statusLabel().text());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(&window_.view(), k, m);
    }
    // The cards still held, left to right.
    std::vector<int> heldCards() {
        std::vector<int> held;
        for (int slot = 1; slot <= 10; ++slot) {
            const Byte card = table().fan()[slot];
            if (card != 0 && holdsUnplayed(g(), 1, card)) held.push_back(card);
        }
        return held;
    }
    const TableGeometry& geo() { return window_.table().geometry(); }
    void clickDeck() {
        const Point deck = deckPosition(geo());
        clickTable(window_, QPointF(deck.x + geo().cardWidth / 2, deck.y + geo().cardHeight / 2));
    }
    // Moves the focus to the card with the arrow keys.
    void focusByKeys(int card) {
        const std::vector<int> held = heldCards();
        auto at = [&](int c) { return std::find(held.begin(), held.end(), c) - held.begin(); };
        const auto target = at(card);
        for (auto i = at(table().marks().focus()); i != target; i += i < target ? 1 : -1)
            key(i < target ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(table().marks().focus(), card);
    }

    void drawDealer() {
        ASSERT_TRUE(table().waitingForDeck());
        for (int draw = 1; draw <= 4; ++draw) clickDeck();
        EXPECT_FALSE(table().waitingForDeck());
    }

    // Bounds the wait for the Expert seats, which may think for seconds on a
    // loaded machine under the sanitizers.
    static constexpr int kLongestThoughtMs = 60000;

    // Clicks the human's cards until the deal's score sheet is drawn, giving no
    // signal, with check run at each turn. Expert seats think off the window's
    // thread meanwhile.
    void playDeal(const std::function<void()>& check = {}) {
        for (int guard = 0; guard < 200 && !table().waitingForCommand(); ++guard) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {  // while Expert seats think, however busy the machine
                    return table().waitingForHumanCard() || table().waitingForSignal() ||
                           table().waitingForCommand();
                },
                kLongestThoughtMs));
            if (table().waitingForCommand()) break;
            if (table().waitingForHumanCard()) {
                if (check) check();
                const int card = firstHeld(window_);
                clickCard(window_, card);
                EXPECT_FALSE(holdsUnplayed(g(), 1, static_cast<Byte>(card)));
            } else if (table().waitingForSignal()) {
                clickCard(window_,
                          g().cardToPlay);  // on with no signal: the list is the table's test
            } else {
                FAIL() << "the match waits for nothing the test knows";
            }
        }
        ASSERT_TRUE(table().waitingForCommand());
        EXPECT_TRUE(drawn(window_, "SCORES"));
    }

    // A deal by keys: one illegal card refused, then Busso chosen from the list
    // after the first lead and no signal after the others.
    void playDealByKeys() {
        bool refused = false;
        for (int guard = 0; guard < 100 && !table().waitingForCommand(); ++guard) {
            if (table().waitingForSignal()) {
                if (signals_.empty()) {
                    key(Qt::Key_S);
                    ASSERT_TRUE(table().signalListOpen());
                    key(Qt::Key_Down);
                    key(Qt::Key_Down);
                }
                key(Qt::Key_Return);
                continue;
            }
            ASSERT_TRUE(table().waitingForHumanCard());
            const int illegal = firstHeld(window_, false);
            if (!refused && illegal != 0) {
                refused = true;
                focusByKeys(illegal);
                key(Qt::Key_Return);
                QMessageBox* box = table().openMessage();
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(
                    box->text().toStdString(),
                    "You have " + suitName(suitOf(g().tableCards[g().leaderSeat])).toStdString());
                QTest::keyClick(box, Qt::Key_Return);
                ASSERT_TRUE(QTest::qWaitFor([&] { return table().waitingForHumanCard(); }));
                EXPECT_TRUE(holdsUnplayed(g(), 1, static_cast<Byte>(illegal)));
            }
            const int card = firstHeld(window_);
            focusByKeys(card);
            key(Qt::Key_Return);
            EXPECT_FALSE(holdsUnplayed(g(), 1, static_cast<Byte>(card)));
        }
        EXPECT_TRUE(refused);
        ASSERT_FALSE(signals_.empty());
        EXPECT_EQ(signals_.front(), kBusso);
    }

    // At each of the human's turns with the View menu's items on: the lead marked,
    // the illegal cards dimmed, Last trick offered after the first trick and shown
    // once, until a key.
    void checkViewItems() {
        if (g().leaderSeat != 1) {
            EXPECT_EQ(table().marks().lead(), g().tableCards[g().leaderSeat]);
        }
        for (int code = 1; code <= kCardCount; ++code) {
            const bool illegal = holdsUnplayed(g(), 1, static_cast<Byte>(code)) &&
                                 !isLegalPlay(g(), kOwnSeat, static_cast<Byte>(code));
            EXPECT_EQ((table().marks().dimmed() & cardBit(code)) != 0, illegal)
                << cardName(code).toStdString();
            EXPECT_EQ(window_.scene().card(code).dimmed(), illegal) << cardName(code).toStdString();
            dimmedCards_ += illegal ? 1 : 0;
        }
        EXPECT_EQ(view().lastTrick->isEnabled(), g().trickNumber > 1);
        if (g().trickNumber < 2 || lastTrickShown_) return;
        lastTrickShown_ = true;
        key(Qt::Key_L, Qt::ControlModifier);
        LastTrickView& last = window_.viewItems().lastTrick();
        ASSERT_TRUE(last.shown());
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(last.cardAt(seat), trick_[seat]);
        EXPECT_EQ(last.winner(), winner_);
        const int focus = table().marks().focus();
        key(Qt::Key_Right);  // puts it away, and only that
        EXPECT_FALSE(last.shown());
        EXPECT_EQ(table().marks().focus(), focus);
    }

    void onTrick(const GameState& gs, Byte winner, int) override {
        trick_ = gs.trickBySeat;
        winner_ = winner;
        const std::string name = gs.playerNames[winner - 1];
        EXPECT_EQ(status().rfind(name + " won the trick: ", 0), 0u) << status();
    }
    void onSignalChosen(const GameState&, Byte signal) override { signals_.push_back(signal); }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
    GameWindow window_;
    std::vector<Byte> signals_;
    std::array<Byte, 5> trick_{};
    Byte winner_ = 0;
    bool lastTrickShown_ = false;
    int dimmedCards_ = 0;
};

// Deal 1 by keys with the status line at each stage; deal 2 by mouse with the View
// menu's items (the choice kept in view.ini; the hint framed until played, the
// focus then on the next card; that working the hint out leaves the game alone is
// the hint's own test); the rest to GAME OVER with Expert seats thinking off the
// window's thread (the hint then the Expert's card); New Game. A deal repeated
// through its question: the Italian window's whole match.
TEST_F(WindowMatch, WholeMatchByKeysAndMouseWithTheViewItemsAndNewGame) {
    EXPECT_FALSE(view().lastTrick->isEnabled());
    EXPECT_FALSE(view().hint->isEnabled());
    EXPECT_EQ(status(), "Click the deck to draw for the dealer: Right draws");
    for (int draw = 1; draw <= 4; ++draw) {
        ASSERT_TRUE(table().waitingForDeck());
        key(Qt::Key_Space);
    }
    EXPECT_EQ(g().dealerSeat, 1);
    playDealByKeys();
    EXPECT_EQ(status(), "Press Ctrl+Enter for the next deal");
    EXPECT_TRUE(drawn(window_, "Total   =  " + std::to_string(g().matchTotal[0])));
    EXPECT_TRUE(window_.grab().save(MORVELLO_TEST_ARTEFACTS "/score_sheet.png"));

    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(g().dealNumber, 2);
    EXPECT_FALSE(view().lastTrick->isEnabled());  // a new deal has begun
    view().playable->trigger();
    EXPECT_TRUE(QSettings(dir_.filePath("view.ini"), QSettings::IniFormat)
                    .value("view/showPlayableCards")
                    .toBool());
    ASSERT_TRUE(table().waitingForHumanCard());
    const std::vector<int> firstPlaying = heldCards();
    key(Qt::Key_H, Qt::ControlModifier);
    const int hint = table().marks().hint();
    EXPECT_EQ(hint, hintCard(seatView(g(), kOwnSeat)));
    EXPECT_EQ(table().marks().focus(), hint);  // the hint takes the focus
    key(Qt::Key_Return);
    EXPECT_EQ(table().marks().hint(), 0);
    const auto at =
        std::find(firstPlaying.begin(), firstPlaying.end(), hint) - firstPlaying.begin();
    const auto next = static_cast<std::size_t>(at) + 1 < firstPlaying.size() ? at + 1 : at - 1;
    const int nextCard = firstPlaying[static_cast<std::size_t>(next)];
    const CardSet dimmed = table().marks().dimmed();
    if ((dimmed & cardBit(nextCard)) == 0) {
        EXPECT_EQ(table().marks().focus(), nextCard);
    }
    EXPECT_EQ(dimmed & cardBit(table().marks().focus()), 0u);  // the focus skips dimmed cards
    playDeal([&] { checkViewItems(); });
    EXPECT_TRUE(lastTrickShown_);
    EXPECT_GT(dimmedCards_, 0);
    EXPECT_EQ(table().marks().dimmed(), 0u);  // nothing dimmed outside the human's turn
    ASSERT_TRUE(menus().continueItem->isEnabled()) << "31 points take three deals";

    window_.players().setExpert(Couple::Partner, true);
    window_.players().setExpert(Couple::Opponents, true);
    int deals = 0;
    for (bool hinted = false; deals < 12 && !drawn(window_, "GAME OVER"); ++deals) {
        ASSERT_TRUE(menus().continueItem->isEnabled());
        menus().continueItem->trigger();
        playDeal([&] {
            if (std::exchange(hinted, true)) return;
            view().hint->trigger();
            EXPECT_EQ(table().marks().hint(), expertHintCard(seatView(g(), kOwnSeat)));
        });
    }
    ASSERT_TRUE(drawn(window_, "GAME OVER"));
    EXPECT_EQ(window_.match().expertDecisions(), 30 * deals);
    EXPECT_TRUE(window_.grab().save(MORVELLO_TEST_ARTEFACTS "/game_over.png"));

    window_.activateWindow();  // the offscreen platform may drop it while Experts think
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    key(Qt::Key_N, Qt::ControlModifier);  // a fresh match: the controller's test
    drawDealer();
}

// Escape out of a menu, or a dialog opened from one by its access key and
// closed, leaves the keys with the table; a panel on the table takes them.
TEST_F(WindowMatch, KeysReachTheTableAfterAMenuADialogOrAPanel) {
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    ASSERT_TRUE(table().waitingForDeck());
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto popup = [] { return QApplication::activePopupWidget(); };
    const auto draws = [&] {
        return std::count_if(g().drawValues.begin() + 1, g().drawValues.end(),
                             [](Byte v) { return v != 0; });
    };
    for (const Qt::Key inMenu : {Qt::Key_Escape, Qt::Key_K}) {  // out of it, or Keys
        QTest::keyClick(&window_, Qt::Key_V, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return popup() != nullptr; }));
        QTest::keyClick(popup(), inMenu);
        QWidget* open = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return (open = inMenu == Qt::Key_K ? shownChild<QMessageBox>(window_) : focused());
        }));
        QTest::keyClick(open, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == &window_.view(); }));
        QTest::keyClick(focused(), Qt::Key_Space);
        EXPECT_EQ(draws(), inMenu == Qt::Key_K ? 2 : 1);
    }

    menus().rules->trigger();
    ASSERT_TRUE(table().rulesShown());
    QTest::keyClick(focused(), Qt::Key_Space);  // the table behind the panel takes no key
    EXPECT_EQ(draws(), 2);
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(table().rulesShown());
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(draws(), 3);
}

// Then F1, F11, and Quit by its shortcut.
TEST_F(WindowMatch, ShortcutsDoNothingWhileTheirItemIsDisabled) {
    ASSERT_FALSE(menus().continueItem->isEnabled() || menus().newGame->isEnabled());
    for (QAction* item : {menus().continueItem, menus().newGame, view().hint, view().lastTrick}) {
        QSignalSpy triggered(item, &QAction::triggered);
        key(item->shortcut()[0].key(), item->shortcut()[0].keyboardModifiers());
        EXPECT_EQ(triggered.count(), 0) << item->text().toStdString();
    }
    EXPECT_TRUE(table().waitingForDeck());
    EXPECT_EQ(g().drawCount, 1);

    key(Qt::Key_F1);
    EXPECT_TRUE(table().rulesShown());
    key(Qt::Key_F1);
    EXPECT_FALSE(table().rulesShown());
    key(Qt::Key_F11);
    EXPECT_TRUE(view().fullScreen->isChecked());
    EXPECT_TRUE(window_.windowState() & Qt::WindowFullScreen);
    window_.showNormal();  // as the desktop may do it
    EXPECT_FALSE(view().fullScreen->isChecked());

    drawDealer();  // Quit ends the match wherever it waits, and saves it
    ASSERT_TRUE(table().waitingForHumanCard());
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window_.matchRunning());
    EXPECT_FALSE(table().waitingForHumanCard());
    EXPECT_TRUE(isFullDeck(storedIn(dir_).deck));
    EXPECT_EQ(storedIn(dir_).dealerSeat, 1);
}

// The table's accessible items: the deck, the hand in its order, then the cards
// on the table with who played them. Pressing them, and the hidden widgets kept
// out of the tree, are heard over the real bus: accessibility_bus_test.py.
TEST_F(WindowMatch, TheDeckTheHandAndTheCardsOnTheTableAreAccessibleItems) {
    QAccessibleInterface* tableItem = QAccessible::queryAccessibleInterface(&window_.view());
    ASSERT_NE(tableItem, nullptr);
    EXPECT_EQ(tableItem->text(QAccessible::Name), kTableAccessibleName);
    ASSERT_EQ(tableItem->childCount(), 1);
    EXPECT_EQ(tableItem->child(0)->text(QAccessible::Name), kDeckAccessibleName);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spokenStatusEndsWithShown(); }));

    drawDealer();
    ASSERT_TRUE(table().waitingForHumanCard());
    const std::vector<int> held = heldCards();
    std::vector<std::string> onTable;
    for (int seat = 1; seat <= 4; ++seat)
        if (g().tableCards[seat] != 0)
            onTable.push_back(g().playerNames[seat - 1] + ": " +
                              cardName(g().tableCards[seat]).toStdString());
    ASSERT_EQ(tableItem->childCount(), static_cast<int>(held.size() + onTable.size()));
    ASSERT_FALSE(onTable.empty());  // the person deals: the others have played
    for (std::size_t i = 0; i < onTable.size(); ++i) {
        const int index = static_cast<int>(held.size() + i);
        EXPECT_EQ(tableItem->child(index)->text(QAccessible::Name).toStdString(), onTable[i]);
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
        QAccessibleInterface* card = tableItem->child(static_cast<int>(i));
        EXPECT_EQ(card->text(QAccessible::Name).toStdString(), cardName(held[i]).toStdString());
        EXPECT_EQ(tableItem->indexOfChild(card), static_cast<int>(i));
        EXPECT_EQ(card->parent(), tableItem);
        EXPECT_FALSE(card->rect().isEmpty());
    }
    EXPECT_EQ(tableItem->focusChild(), tableItem->child(0));
    key(Qt::Key_Right);
    EXPECT_EQ(tableItem->focusChild(), tableItem->child(1));
    EXPECT_TRUE(tableItem->child(1)->state().focused);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spokenStatusEndsWithShown(); }));
}

TEST_F(WindowMatch, OptionsAreCheckedAndSavedAtOnce) {
    menus().playRates[3]->trigger();
    EXPECT_EQ(g().playRate, 3);
    ASSERT_TRUE(QFile::exists(dir_.filePath("config.qvr")));
    menus().callYes[2]->trigger();
    menus().matchTargets[0]->trigger();
    for (const auto& [on, off] : {std::pair{menus().playRates[3], menus().playRates[2]},
                                  {menus().callYes[2], menus().callYes[1]},
                                  {menus().matchTargets[0], menus().matchTargets[1]}})
        EXPECT_TRUE(on->isChecked() && !off->isChecked()) << on->text().toStdString();

    const StoredGame reread = storedIn(dir_);
    EXPECT_EQ(reread.playRate, 3);
    EXPECT_EQ(reread.allowAllDeclare, 2);
    EXPECT_EQ(reread.scoreOption, 0);
}

TEST(WindowFailure, AFailureInTheMatchIsShownAndEndsTheGameWithTheFileIntact) {
    QTemporaryDir dir;
    testing::qtApp();
    WindowOptions options = testOptions(dir);
    options.match.newDeck = [](Deck&) -> bool { throw std::runtime_error("no deck to deal"); };
    GameWindow window(std::move(options));
    setUpOnOrderedDeck(window);
    showAt(window, {1024, 800});
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

// The View, Players, Move and Network menus come between Sounds and Info.
TEST_F(WindowMatch, CaptionsAreTheGamesOwn) {
    QStringList captions;
    for (const QAction* item : window_.menuBar()->actions()) captions << item->text();
    EXPECT_EQ(captions.join('|').toStdString(),
              "&Game|&Options       |&Sounds         |&View|&Players|&Move|&Network|&Info          "
              "|&Help    "
              "        |Quit");
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

// The Players menu is kept in players.ini, never in config.qvr.
constexpr SeatKinds kExpertOpponents{PlayerKind::Classic, PlayerKind::Person, PlayerKind::Expert,
                                     PlayerKind::Classic, PlayerKind::Expert};

class WindowPlayers : public ::testing::Test {
  protected:
    std::unique_ptr<GameWindow> openWindow() {
        WindowOptions o = testOptions(dir_);
        o.playerSettings = settingsFile();
        auto window = std::make_unique<GameWindow>(std::move(o));
        setUpOnOrderedDeck(*window);  // the human deals
        return window;
    }
    QString settingsFile() const { return dir_.filePath("players.ini"); }
    QByteArray configBytes() const {
        QFile file(dir_.filePath("config.qvr"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The item of the Players menu's submenu with that caption.
    static QAction* level(GameWindow& window, const QString& couple, const QString& caption) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->text() != "&Players") continue;
            for (QAction* sub : top->menu()->actions()) {
                if (sub->text() != couple) continue;
                for (QAction* item : sub->menu()->actions())
                    if (item->text() == caption) return item;
            }
        }
        return nullptr;
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
};

TEST_F(WindowPlayers, TheChoiceIsKeptOutsideTheConfiguration) {
    auto window = openWindow();
    // Classic by default: every computer seat plays the game's own strategy.
    ASSERT_NE(level(*window, "&Partner", "&Classic"), nullptr);
    EXPECT_TRUE(level(*window, "&Partner", "&Classic")->isChecked());
    EXPECT_TRUE(level(*window, "&Opponents", "&Classic")->isChecked());
    EXPECT_EQ(window->match().players(), kOnePersonAtSeatOne);

    const QByteArray config = configBytes();
    level(*window, "&Opponents", "&Expert")->trigger();
    EXPECT_EQ(window->match().players(), kExpertOpponents);
    EXPECT_FALSE(level(*window, "&Opponents", "&Classic")->isChecked());
    EXPECT_EQ(configBytes(), config);
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("players/opponents"), "expert");

    window.reset();
    auto again = openWindow();
    EXPECT_TRUE(level(*again, "&Opponents", "&Expert")->isChecked());
    EXPECT_TRUE(level(*again, "&Partner", "&Classic")->isChecked());
    EXPECT_EQ(again->match().players(), kExpertOpponents);
}

}  // namespace
}  // namespace morvello
