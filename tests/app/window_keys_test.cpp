// What this suite guards: the window played with the keyboard alone (a refused
// card, a signal from the list), the status line shown as the game goes, the View
// menu's Last trick, Show playable cards and Hint, the lead mark, the shortcuts
// (nothing while their item is disabled) and the hand's accessible names. The
// status line's sentences themselves are the status line's test.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>

#include "cards/card_name.h"
#include "cards/play_signal.h"
#include "players/hint.h"
#include "table/table_accessible.h"
#include "window_fixture.h"

namespace morvello {
namespace {

class WindowKeys : public WindowTest, public MatchObserver {
  protected:
    WindowKeys() : WindowTest(0) { window_.match().addObserver(*this); }

    // Moves the focus to the card with the arrow keys.
    void focusByKeys(int card) {
        const std::vector<int> held = heldCards();
        auto at = [&](int c) { return std::find(held.begin(), held.end(), c) - held.begin(); };
        const auto target = at(card);
        for (auto i = at(table().marks().focus()); i != target; i += i < target ? 1 : -1)
            key(i < target ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(table().marks().focus(), card);
    }

    void onTrick(const GameState& gs, Byte winner, int) override {
        trick_ = gs.trickBySeat;
        winner_ = winner;
        const std::string name = gs.playerNames[winner - 1];
        EXPECT_EQ(status().rfind(name + " won the trick: ", 0), 0u) << status();
    }

    void onSignalChosen(const GameState&, Byte signal) override { signals_.push_back(signal); }

    std::vector<Byte> signals_;
    std::array<Byte, 5> trick_{};
    Byte winner_ = 0;
};

// A deal by keys: the status line at each stage, a refused card, a signal from
// the list, Continue and New Game by their shortcuts.
TEST_F(WindowKeys, ADealByKeysWithTheStatusLineAtEachStage) {
    EXPECT_EQ(status(), "Click the deck to draw for the dealer: Right draws");
    drawByKeys();
    EXPECT_EQ(g().dealerSeat, 1);
    bool refused = false;
    for (int guard = 0; guard < 100 && !table().waitingForCommand(); ++guard) {
        if (table().waitingForSignal()) {
            if (!signals_.empty()) {
                key(Qt::Key_Return);
                continue;
            }
            key(Qt::Key_S);
            ASSERT_TRUE(table().signalListOpen());
            key(Qt::Key_Down);
            key(Qt::Key_Down);
            key(Qt::Key_Return);
            ASSERT_EQ(signals_, std::vector<Byte>{kBusso});
            continue;
        }
        ASSERT_TRUE(table().waitingForHumanCard());
        const int illegal = firstCard(false);
        if (!refused && illegal != 0) {
            refused = true;
            focusByKeys(illegal);
            key(Qt::Key_Return);
            QMessageBox* box = table().openMessage();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text().toStdString(),
                      std::string("You have ") + suitNames[suitOf(g().tableCards[g().leaderSeat])]);
            QTest::keyClick(box, Qt::Key_Return);
            ASSERT_TRUE(QTest::qWaitFor([&] { return table().waitingForHumanCard(); }));
            EXPECT_TRUE(holdsUnplayed(g(), 1, static_cast<Byte>(illegal)));
        }
        const int card = firstCard(true);
        focusByKeys(card);
        key(Qt::Key_Return);
        EXPECT_FALSE(holdsUnplayed(g(), 1, static_cast<Byte>(card)));
    }
    EXPECT_TRUE(refused);
    EXPECT_FALSE(signals_.empty());
    EXPECT_EQ(status(), "Game \u25b8 Continue for the next deal");
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(g().dealNumber, 2);
    playDealByTable();
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(table().waitingForDeck());
}

TEST_F(WindowKeys, ShortcutsDoNothingWhileTheirItemIsDisabled) {
    const GameMenus& m = window_.menus();
    QSignalSpy continued(m.continueItem, &QAction::triggered);
    QSignalSpy newGame(m.newGame, &QAction::triggered);
    QSignalSpy hint(view().hint, &QAction::triggered);
    QSignalSpy lastTrick(view().lastTrick, &QAction::triggered);
    ASSERT_FALSE(m.continueItem->isEnabled());
    ASSERT_FALSE(m.newGame->isEnabled());
    key(Qt::Key_Return, Qt::ControlModifier);
    key(Qt::Key_N, Qt::ControlModifier);
    key(Qt::Key_H, Qt::ControlModifier);
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(continued.count() + newGame.count() + hint.count() + lastTrick.count(), 0);
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

    key(Qt::Key_Q, Qt::ControlModifier);  // Continue by its shortcut is the deal's test
    EXPECT_FALSE(window_.matchRunning());
}

// One deal with the View menu's items: the lead marked, the illegal cards dimmed
// (the choice kept in view.ini), the hint framed until played, the last trick shown
// until a key, and the focus on the next card after a play. That working the
// hint out leaves the game alone is the hint's own test.
TEST_F(WindowKeys, TheViewMenusItemsDuringADeal) {
    EXPECT_FALSE(view().lastTrick->isEnabled());
    EXPECT_FALSE(view().hint->isEnabled());
    view().playable->trigger();
    EXPECT_TRUE(QSettings(dir_.filePath("view.ini"), QSettings::IniFormat)
                    .value("view/showPlayableCards")
                    .toBool());
    drawByKeys();
    ASSERT_TRUE(table().waitingForHumanCard());
    const std::vector<int> held = heldCards();
    key(Qt::Key_H, Qt::ControlModifier);
    const int hint = table().marks().hint();
    EXPECT_EQ(hint, hintCard(seatView(g(), kOwnSeat)));
    focusByKeys(hint);
    key(Qt::Key_Return);
    EXPECT_EQ(table().marks().hint(), 0);
    const auto at = std::find(held.begin(), held.end(), hint) - held.begin();
    const auto next = static_cast<std::size_t>(at) + 1 < held.size() ? at + 1 : at - 1;
    EXPECT_EQ(table().marks().focus(), held[static_cast<std::size_t>(next)]);

    bool shown = false;
    int dimmedCards = 0;
    playDealByTable([&] {
        if (g().leaderSeat != 1) {
            EXPECT_EQ(table().marks().lead(), g().tableCards[g().leaderSeat]);
        }
        for (int code = 1; code <= kCardCount; ++code) {
            const bool illegal = holdsUnplayed(g(), 1, static_cast<Byte>(code)) &&
                                 !isLegalPlay(g(), kOwnSeat, static_cast<Byte>(code));
            EXPECT_EQ((table().marks().dimmed() & cardBit(code)) != 0, illegal) << cardName(code);
            EXPECT_EQ(window_.scene().card(code).dimmed(), illegal) << cardName(code);
            dimmedCards += illegal ? 1 : 0;
        }
        EXPECT_EQ(view().lastTrick->isEnabled(), g().trickNumber > 1);
        if (g().trickNumber < 2 || shown) return;
        shown = true;
        key(Qt::Key_L, Qt::ControlModifier);
        LastTrickView& last = window_.viewItems().lastTrick();
        ASSERT_TRUE(last.shown());
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(last.cardAt(seat), trick_[seat]);
        EXPECT_EQ(last.winner(), winner_);
        const int focus = table().marks().focus();
        key(Qt::Key_Right);  // puts it away, and only that
        EXPECT_FALSE(last.shown());
        EXPECT_EQ(table().marks().focus(), focus);
    });
    EXPECT_TRUE(shown);
    EXPECT_GT(dimmedCards, 0);
    EXPECT_EQ(table().marks().dimmed(), 0u);  // nothing dimmed outside the human's turn
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(view().lastTrick->isEnabled());  // a new deal has begun
}

TEST_F(WindowKeys, TheHandsCardsAndTheDeckHaveAccessibleNamesInHandOrder) {
    QAccessibleInterface* tableItem = QAccessible::queryAccessibleInterface(&window_.view());
    ASSERT_NE(tableItem, nullptr);
    EXPECT_EQ(tableItem->text(QAccessible::Name), kTableAccessibleName);
    ASSERT_EQ(tableItem->childCount(), 1);
    EXPECT_EQ(tableItem->child(0)->text(QAccessible::Name), kDeckAccessibleName);
    EXPECT_EQ(window_.statusLabel().accessibleName().toStdString(), status());

    drawByKeys();
    ASSERT_TRUE(table().waitingForHumanCard());
    const std::vector<int> held = heldCards();
    ASSERT_EQ(tableItem->childCount(), static_cast<int>(held.size()));
    for (std::size_t i = 0; i < held.size(); ++i) {
        QAccessibleInterface* card = tableItem->child(static_cast<int>(i));
        EXPECT_EQ(card->text(QAccessible::Name).toStdString(), cardName(held[i]));
        EXPECT_EQ(tableItem->indexOfChild(card), static_cast<int>(i));
        EXPECT_EQ(card->parent(), tableItem);
        EXPECT_FALSE(card->rect().isEmpty());
    }
    EXPECT_EQ(tableItem->focusChild(), tableItem->child(0));
    key(Qt::Key_Right);
    EXPECT_EQ(tableItem->focusChild(), tableItem->child(1));
    EXPECT_TRUE(tableItem->child(1)->state().focused);
    EXPECT_EQ(window_.statusLabel().accessibleName().toStdString(), status());
}

}  // namespace
}  // namespace morvello
