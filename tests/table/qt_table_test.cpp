// The window's table: its waits, the clicks that end them, and what it shows.
#include <gtest/gtest.h>

#include <QGraphicsProxyWidget>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "match/seat_geometry.h"
#include "table_fixture.h"

namespace morvello {
namespace {

using testing::TableFixture;

template <class T>
Task<> capture(Wait<T> wait, std::optional<T>& out) {
    out = co_await std::move(wait);
}

Task<> finish(Wait<> wait, bool& done) {
    co_await std::move(wait);
    done = true;
}

QPoint onView(TableFixture& f, QPointF scenePoint) {
    return f.view.mapFromScene(scenePoint);
}

void click(TableFixture& f, QPointF scenePoint, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(f.view.viewport(), button, {}, onView(f, scenePoint));
}

// The visible left part of a card image.
QPointF cardSpot(TableFixture& f, int code) {
    return f.scene.card(code).pos() + QPointF(f.g.cardWidth * 0.2, f.g.cardHeight * 0.5);
}

// A human hand of ten cards laid out on its slots, every card playable.
void dealHumanHand(TableFixture& f) {
    const int hand[] = {3, 2, 1, 13, 17, 25, 24, 39, 38, 36};
    for (int slot = 1; slot <= 10; ++slot) {
        const int code = hand[slot - 1];
        f.g.hands[1][slot] = static_cast<Byte>(code);
        f.g.jolly[code] = true;
        f.table.placeCard(static_cast<Byte>(code), humanSlot(f.g, slot));
        f.table.bringToFront(static_cast<Byte>(code));
    }
}

QPointF listItemCentre(TableFixture& f, int row) {
    QListWidget& list = f.scene.signalList();
    const QRect rect = list.visualItemRect(list.item(row));
    const QPoint inList = list.viewport()->mapTo(&list, rect.center());
    return f.scene.signalListItem().mapToScene(QPointF(inList));
}

TEST(QtTableInput, HumanCardIsTakenOnlyWhileTheLockIsOpen) {
    TableFixture f;
    dealHumanHand(f);
    std::optional<Byte> played;
    Task<> task = capture(f.table.waitForHumanCard(), played);
    task.start();
    ASSERT_TRUE(f.table.waitingForHumanCard());

    f.g.inputLock = 100;
    click(f, cardSpot(f, 13));
    EXPECT_FALSE(played);

    f.g.inputLock = 0;
    click(f, cardSpot(f, 13), Qt::RightButton);  // a peek, not a play
    EXPECT_FALSE(played);
    click(f, cardSpot(f, 13));
    ASSERT_TRUE(played);
    EXPECT_EQ(*played, 13);
    EXPECT_TRUE(task.done());
}

TEST(QtTableInput, RightPressLiftsACardAndTheReleaseLaysTheFanOutAgain) {
    TableFixture f;
    dealHumanHand(f);
    f.g.inputLock = 0;
    const QPoint spot = onView(f, cardSpot(f, 13));  // slot 4
    QTest::mousePress(f.view.viewport(), Qt::RightButton, {}, spot);
    EXPECT_GT(f.scene.card(13).zValue(), f.scene.card(36).zValue());
    EXPECT_EQ(f.g.rightPressedCard, 13);
    QTest::mouseRelease(f.view.viewport(), Qt::RightButton, {}, spot);
    EXPECT_LT(f.scene.card(13).zValue(), f.scene.card(17).zValue());
    EXPECT_GT(f.scene.card(13).zValue(), f.scene.card(1).zValue());
    EXPECT_EQ(f.scene.card(13).pos(), QPointF(humanSlot(f.g, 4).x, humanSlot(f.g, 4).y));
    EXPECT_EQ(f.g.rightPressedCard, 0);
    EXPECT_EQ(f.g.hands[1][4], 13);
    EXPECT_EQ(f.g.inputLock, 0);
}

TEST(QtTableInput, DestroyedWaitTakesNoMoreClicks) {
    TableFixture f;
    dealHumanHand(f);
    f.g.inputLock = 0;
    std::optional<Byte> played;
    {
        Task<> task = capture(f.table.waitForHumanCard(), played);
        task.start();
    }
    EXPECT_FALSE(f.table.waitingForHumanCard());
    click(f, cardSpot(f, 13));
    EXPECT_FALSE(played);
}

struct SignalFixture : TableFixture {
    SignalFixture() {
        g.leaderSeat = 1;
        g.cardToPlay = 17;
        table.placeCard(17, tablePosition(g, 1));
    }
};

TEST(QtTableSignals, RightClickOpensTheListBesideTheCardAndAChoiceEndsTheWait) {
    SignalFixture f;
    std::optional<int> choice;
    Task<> task = capture(f.table.waitForSignalChoice(), choice);
    task.start();
    EXPECT_GE(f.scene.signalListItem().pos().x(), 800);  // waiting, off the table

    click(f, cardSpot(f, 17), Qt::RightButton);
    const QPointF card = f.scene.card(17).pos();
    EXPECT_EQ(f.scene.signalListItem().pos(), card + QPointF(f.g.cardWidth, 0));
    EXPECT_FALSE(choice);

    click(f, listItemCentre(f, 2));
    ASSERT_TRUE(choice);
    EXPECT_EQ(*choice, 2);
    EXPECT_EQ(f.g.trickSignals[1], 2);
    EXPECT_DOUBLE_EQ(f.scene.signalListItem().pos().x(), 2500);
}

TEST(QtTableSignals, LeftClickOnTheCardGoesOnWithoutASignal) {
    SignalFixture f;
    std::optional<int> choice;
    Task<> task = capture(f.table.waitForSignalChoice(), choice);
    task.start();
    click(f, cardSpot(f, 17));
    ASSERT_TRUE(choice);
    EXPECT_EQ(*choice, -1);
    EXPECT_EQ(f.g.trickSignals[1], 0);
    EXPECT_DOUBLE_EQ(f.scene.signalListItem().pos().x(), 2800);
}

TEST(QtTableSignals, ALaterChoiceInTheTrickOnlyReplacesTheHumansSignal) {
    SignalFixture f;
    click(f, cardSpot(f, 17), Qt::RightButton);
    EXPECT_LT(f.scene.signalListItem().pos().x(), 800);
    click(f, listItemCentre(f, 1));
    EXPECT_EQ(f.g.trickSignals[1], 1);
    EXPECT_FALSE(f.table.waitingForSignal());

    f.g.leaderSeat = 2;  // not the human's lead: the card opens nothing
    click(f, cardSpot(f, 17), Qt::RightButton);
    EXPECT_DOUBLE_EQ(f.scene.signalListItem().pos().x(), 2500);
}

TEST(QtTableWaits, DeckClicksCountOnlyDuringTheDealerChoice) {
    TableFixture f;
    f.table.showDeck(true);
    bool done = false;
    Task<> task = finish(f.table.waitForDeckClick(), done);
    task.start();
    const QPointF deck = QPointF(deckPosition(f.g).x, deckPosition(f.g).y) + QPointF(30, 40);
    f.g.phase = Phase::PersonalizePlayers;
    click(f, deck);
    EXPECT_FALSE(done);
    f.g.phase = Phase::SceltaCartaro;
    f.g.menus.replayChecked = true;
    click(f, deck);
    EXPECT_FALSE(done);
    f.g.menus.replayChecked = false;
    click(f, deck);
    EXPECT_TRUE(done);
}

TEST(QtTableWaits, CommandsAndAReplayRequestEndTheirWaits) {
    TableFixture f;
    bool command = false, deck = false;
    Task<> commandTask = finish(f.table.waitForCommand(), command);
    commandTask.start();
    f.table.commandGiven();
    EXPECT_TRUE(command);

    Task<> deckTask = finish(f.table.waitForDeckClick(), deck);
    deckTask.start();
    f.table.commandGiven();  // New Game during the choice changes nothing there
    EXPECT_FALSE(deck);
    f.g.menus.replayChecked = true;
    f.table.commandGiven();
    EXPECT_TRUE(deck);
}

TEST(QtTableWaits, RulesPanelHoldsTheTrickUntilItIsClicked) {
    TableFixture f;
    bool done = false;
    {
        Task<> none = finish(f.table.waitWhileRulesShown(), done);
        none.start();
        EXPECT_TRUE(done);
    }
    done = false;
    f.table.menu_rules_Click();
    ASSERT_TRUE(f.table.rulesShown());
    Task<> task = finish(f.table.waitWhileRulesShown(), done);
    task.start();
    EXPECT_FALSE(done);
    click(f, QPointF(100, 100));  // on the panel
    EXPECT_FALSE(f.table.rulesShown());
    EXPECT_TRUE(done);
}

TEST(QtTableWaits, InfoHidesTheRulesAndTogglesItself) {
    TableFixture f;
    f.table.menu_rules_Click();
    f.table.menu_about_Click();
    EXPECT_FALSE(f.table.rulesShown());
    EXPECT_TRUE(f.table.aboutShown());
    f.table.menu_about_Click();
    EXPECT_FALSE(f.table.aboutShown());
    f.table.menu_rules_Click();
    f.table.menu_rules_Click();
    EXPECT_FALSE(f.table.rulesShown());
}

// The rules come to the front over the about panel, which stays shown beneath.
TEST(QtTableWaits, RulesChosenOverTheAboutPanelAreInFront) {
    TableFixture f;
    f.scene.rules().setText("rules\n\n\n\n");
    f.scene.about().setText("about\n\n\n\n");
    const QPointF overlap = f.scene.about().pos() + QPointF(10, 10);
    f.table.menu_about_Click();
    f.table.menu_rules_Click();
    EXPECT_TRUE(f.table.aboutShown());
    ASSERT_TRUE(f.table.rulesShown());
    EXPECT_EQ(f.scene.items(overlap).value(0), &f.scene.rules());
    f.table.menu_about_Click();  // hides the rules and the about panel
    f.table.menu_about_Click();
    EXPECT_EQ(f.scene.items(overlap).value(0), &f.scene.about());
}

TEST(QtTableWaits, MessageIsWindowModalAndItsOkEndsTheWait) {
    TableFixture f;
    bool done = false;
    Task<> task = finish(f.table.showMessage("You have Coppe"), done);
    task.start();
    QMessageBox* box = f.table.openMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "You have Coppe");
    EXPECT_EQ(box->windowTitle(), "Morvello");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(done);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(done);
}

TEST(QtTableWaits, QuittingDuringAMessageClosesIt) {
    TableFixture f;
    bool done = false;
    {
        Task<> task = finish(f.table.showMessage("Repeat, please"), done);
        task.start();
        ASSERT_TRUE(f.table.openMessage()->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.table.openMessage(), nullptr);
    EXPECT_FALSE(done);
}

TEST(QtTableTimers, PacedDelayAndSlidesFinishOnTheirTimers) {
    TableFixture f;
    f.table.setDelayScale(1);
    f.g.rateFactor = 30500;  // one unit lasts a millisecond
    f.table.placeCard(5, {100, 100});
    bool done = false;
    auto script = [&]() -> Task<> {
        co_await f.table.ritardo(2);
        co_await f.table.slideCard(5, {700, 400});
        co_await f.table.squeezeCard(5, {100, 100});
        done = true;
    };
    Task<> task = script();
    task.start();
    EXPECT_FALSE(done);
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    // The last of the 600 positions is 599/600 of the way; the squeeze restores the width.
    const double slidX = 100 + 600 * 599.0 / 600, slidY = 100 + 300 * 599.0 / 600;
    const QPointF end = f.scene.card(5).pos();
    EXPECT_NEAR(end.x(), slidX + (100 - slidX) * 599.0 / 600, 1e-9);
    EXPECT_NEAR(end.y(), slidY + (100 - slidY) * 599.0 / 600, 1e-9);
    EXPECT_DOUBLE_EQ(f.scene.card(5).widthFactor(), 1.0);
}

TEST(QtTableTimers, SignalStepsMoveTheCardTickByTick) {
    TableFixture f;
    f.table.setDelayScale(1);
    f.table.placeCard(7, {400, 300});
    bool done = false;
    Task<> task = finish(f.table.stepCard(7, 0, -3, 14, 1), done);
    task.start();
    EXPECT_EQ(f.scene.card(7).pos(), QPointF(400, 300));
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    EXPECT_EQ(f.scene.card(7).pos(), QPointF(400, 300 - 42));
}

TEST(QtTableTimers, DestroyingAWaitStopsItsTimer) {
    TableFixture f;
    f.table.setDelayScale(1);
    f.g.rateFactor = 30500;
    bool done = false;
    {
        Task<> task = finish(f.table.ritardo(5), done);
        task.start();
    }
    bool later = false;
    QTimer::singleShot(30, [&] { later = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return later; }, 20000));
    EXPECT_FALSE(done);
}

}  // namespace
}  // namespace morvello
