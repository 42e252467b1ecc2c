// What this suite guards: the window's table takes clicks only while the controller
// waits for them, ends each wait once, stops its timers with it, and shows any
// seat's hand at the bottom with the others in turn round the table.
#include <gtest/gtest.h>

#include <QGraphicsProxyWidget>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "cards/play_signal.h"
#include "table/table_geometry.h"
#include "table_fixture.h"

namespace morvello {
namespace {

using namespace morvello::testing;

QPoint onView(TableFixture& f, QPointF scenePoint) {
    return f.view.mapFromScene(scenePoint);
}

void click(TableFixture& f, QPointF scenePoint, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(f.view.viewport(), button, {}, onView(f, scenePoint));
}

// The visible left part of a card image.
QPointF cardSpot(TableFixture& f, int code) {
    return f.scene.card(code).pos() + QPointF(f.geo().cardWidth * 0.2, f.geo().cardHeight * 0.5);
}

// A human hand of ten cards laid out on its slots.
void dealHumanHand(TableFixture& f) {
    const int hand[] = {3, 2, 1, 13, 17, 25, 24, 39, 38, 36};
    for (int slot = 1; slot <= 10; ++slot) f.g.hands[1][slot] = static_cast<Byte>(hand[slot - 1]);
    f.table.layOutHand(1, f.g.hands[1]);
}

QPointF listItemCentre(TableFixture& f, int row) {
    QListWidget& list = f.scene.signalList();
    const QRect rect = list.visualItemRect(list.item(row));
    const QPoint inList = list.viewport()->mapTo(&list, rect.center());
    return f.scene.signalListItem().mapToScene(QPointF(inList));
}

// A destroyed wait takes no more clicks.
TEST(QtTableInput, HandCardsAreTakenOnlyWhileTheControllerWaitsForOne) {
    TableFixture f;
    dealHumanHand(f);
    click(f, cardSpot(f, 13));  // nobody waits: nothing happens
    std::optional<Byte> played;
    {
        Task<> destroyed = capture(f.table.humanCard(), played);
        destroyed.start();
    }
    EXPECT_FALSE(f.table.waitingForHumanCard());
    click(f, cardSpot(f, 13));
    EXPECT_FALSE(played);
    Task<> task = capture(f.table.humanCard(), played);
    task.start();
    ASSERT_TRUE(f.table.waitingForHumanCard());

    f.g.hands[1][4] += kPlayedMark;  // a card already played is not taken
    click(f, cardSpot(f, 13));
    EXPECT_FALSE(played);
    f.g.hands[1][4] -= kPlayedMark;
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
    const QPoint spot = onView(f, cardSpot(f, 13));  // slot 4
    QTest::mousePress(f.view.viewport(), Qt::RightButton, {}, spot);
    EXPECT_GT(f.scene.card(13).zValue(), f.scene.card(36).zValue());
    QTest::mouseRelease(f.view.viewport(), Qt::RightButton, {}, spot);
    EXPECT_LT(f.scene.card(13).zValue(), f.scene.card(17).zValue());
    EXPECT_GT(f.scene.card(13).zValue(), f.scene.card(1).zValue());
    EXPECT_EQ(f.scene.card(13).pos(), at(humanSlot(f.geo(), 4)));
}

// The human has led the 7 of Denari; it lies on the table.
struct SignalFixture : TableFixture {
    SignalFixture() {
        g.leaderSeat = 1;
        g.cardToPlay = 17;
        g.hands[1][5] = 17 + kPlayedMark;
        g.playedCards[1] = cardBit(17);
        table.cardToStart(1, 17, g.hands[1]);
    }
};

// (A left click on the card goes on without a signal: the window's whole match.)
TEST(QtTableSignals, RightClickOpensTheListBesideTheCardAndAChoiceEndsTheWaitOrComesLate) {
    SignalFixture f;
    std::optional<int> choice;
    Task<> task = capture(f.table.signalChoice(), choice);
    task.start();
    EXPECT_GE(f.scene.signalListItem().pos().x(), 800);  // waiting, off the table

    click(f, cardSpot(f, 17), Qt::RightButton);
    const QPointF card = f.scene.card(17).pos();
    EXPECT_EQ(f.scene.signalListItem().pos(), card + QPointF(f.geo().cardWidth, 0));
    EXPECT_FALSE(choice);

    EXPECT_EQ(f.scene.signalList().item(kBusso)->text(), "Busso");
    click(f, listItemCentre(f, kBusso));
    EXPECT_EQ(choice, kBusso);
    EXPECT_GE(f.scene.signalListItem().pos().x(), 800);

    // A later choice in the trick goes to the controller as such.
    click(f, cardSpot(f, 17), Qt::RightButton);
    EXPECT_LT(f.scene.signalListItem().pos().x(), 800);
    click(f, listItemCentre(f, kVolo));
    EXPECT_EQ(f.host.lateSignals, std::vector<int>{kVolo});
    EXPECT_FALSE(f.table.waitingForSignal());

    f.g.leaderSeat = 2;  // not the human's lead: the card opens nothing
    click(f, cardSpot(f, 17), Qt::RightButton);
    EXPECT_GE(f.scene.signalListItem().pos().x(), 800);
}

TEST(QtTableWaits, DeckClicksCountOnlyDuringTheDealerChoice) {
    TableFixture f;
    f.table.showDeck(true);
    std::optional<DeckInput> input;
    Task<> task = capture(f.table.deckInput(), input);
    task.start();
    const QPointF deck = at(deckPosition(f.geo())) + QPointF(30, 40);
    f.g.phase = Phase::PersonalizePlayers;
    click(f, deck);
    EXPECT_FALSE(input);
    f.g.phase = Phase::DealerChoice;
    f.g.menus.replayChecked = true;
    click(f, deck);
    EXPECT_FALSE(input);
    f.g.menus.replayChecked = false;
    click(f, deck);
    ASSERT_TRUE(input);
    EXPECT_EQ(*input, DeckInput::Draw);
}

TEST(QtTableWaits, ACommandEndsOnlyItsOwnWait) {
    TableFixture f;
    EXPECT_FALSE(f.table.commandGiven(Command::Continue));  // nobody waits for one
    std::optional<Command> command;
    Task<> commandTask = capture(f.table.command(), command);
    commandTask.start();
    EXPECT_TRUE(f.table.commandGiven(Command::NewGame));
    EXPECT_EQ(command, Command::NewGame);

    std::optional<DeckInput> deck;
    Task<> deckTask = capture(f.table.deckInput(), deck);
    deckTask.start();
    EXPECT_FALSE(f.table.commandGiven(Command::NewGame));  // no command during the choice
    EXPECT_FALSE(deck);  // confirmed names restarting it: the names panel's test
}

// Info hides the rules; each toggles its own panel.
TEST(QtTableWaits, RulesPanelHoldsTheTrickUntilItIsClickedAndInfoHidesIt) {
    TableFixture f;
    const GatheredTrick trick{1, 3, {3, 17, 25, 36}};
    bool done = false;
    f.table.showRules();
    ASSERT_TRUE(f.table.rulesShown());
    Task<> task = finish(f.table.gatherTrick(trick), done);
    task.start();
    EXPECT_FALSE(done);
    click(f, QPointF(100, 100));  // on the panel
    EXPECT_FALSE(f.table.rulesShown());
    EXPECT_TRUE(done);
    for (const Byte card : trick.strongestFirst)
        EXPECT_EQ(f.scene.card(card).pos(), at(kParkedAfterTrick));

    f.table.showRules();
    f.table.showAbout();
    EXPECT_FALSE(f.table.rulesShown());
    EXPECT_TRUE(f.table.aboutShown());
    f.table.showAbout();
    EXPECT_FALSE(f.table.aboutShown());
}

// Quitting during a message closes it.
TEST(QtTableWaits, MessageIsWindowModalAndItsOkEndsTheWait) {
    TableFixture f;
    bool done = false;
    {
        Task<> quit = finish(f.table.showMessage({TableMessage::Kind::RepeatDraw}), done);
        quit.start();
        ASSERT_TRUE(f.table.openMessage()->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.table.openMessage(), nullptr);
    EXPECT_FALSE(done);

    Task<> task = finish(f.table.showMessage({TableMessage::Kind::MustFollowSuit, 2}), done);
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

// A fast pace: the slides and signal steps still run on their timers.
constexpr double kFastPace = 0.001;

// How far and which way each signal moves the card is the table's own choice;
// here, each signal sounds its own way and the card then lies on its place; the
// trick is gathered and parked, the winner's card whole again.
TEST(QtTableTimers, SignalsSoundTheirWayAndAGatheredTrickEndsParked) {
    TableFixture f;
    f.table.setDelayScale(kFastPace);
    for (const auto& [seat, signal, sounds] :
         std::vector<std::tuple<Byte, Byte, std::vector<Sound>>>{
             {1, kVolo, {Sound::Fling}},
             {2, kStriscio, {Sound::Creep}},
             {3, kBusso, {Sound::Knock, Sound::Knock}}}) {
        f.host.sounds.clear();
        f.table.cardToStart(seat, 7, {});
        bool done = false;
        Task<> task = finish(f.table.cardToTable(seat, 7, signal, true), done);
        task.start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
        EXPECT_EQ(f.scene.card(7).pos(), at(tablePosition(f.geo(), seat)));
        EXPECT_EQ(f.host.sounds, sounds) << int(seat);
    }
    const GatheredTrick trick{2, 25, {3, 25, 17, 36}};
    for (Byte seat = 1; seat <= 4; ++seat)
        f.table.cardToStart(seat, trick.strongestFirst[seat - 1], {});
    bool done = false;
    Task<> task = finish(f.table.gatherTrick(trick), done);
    task.start();
    EXPECT_FALSE(done);
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    for (const Byte card : trick.strongestFirst)
        EXPECT_EQ(f.scene.card(card).pos(), at(kParkedAfterTrick));
    EXPECT_DOUBLE_EQ(f.scene.card(25).widthFactor(), 1.0);
}

TEST(QtTableTimers, DestroyingAWaitStopsItsTimer) {
    TableFixture f;
    f.table.setDelayScale(kFastPace);
    bool done = false;
    {
        Task<> task = finish(f.table.delay(5), done);
        task.start();
    }
    bool later = false;
    QTimer::singleShot(30, [&] { later = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return later; }, 20000));
    EXPECT_FALSE(done);
}

// Runs a wait of the table; with no delays it is over at once.
void runNow(Wait<> wait) {
    bool done = false;
    Task<> task = finish(std::move(wait), done);
    task.start();
    ASSERT_TRUE(done);
}

Hand handOf(Byte seat) {
    Hand hand{};
    for (int slot = 1; slot <= 10; ++slot) hand[slot] = static_cast<Byte>((seat - 1) * 10 + slot);
    return hand;
}

TEST(TurnedTable, EachSeatSeesItsOwnHandAtTheBottomAndTheOthersInTurn) {
    for (Byte viewer = 1; viewer <= 4; ++viewer) {
        SCOPED_TRACE("viewer " + std::to_string(viewer));
        TableFixture f;
        f.table.setViewer(viewer);
        EXPECT_EQ(f.table.placeOf(viewer), 1);                 // bottom
        EXPECT_EQ(f.table.placeOf(nextSeat(viewer)), 2);       // right
        EXPECT_EQ(f.table.placeOf(f.g.partnerOf[viewer]), 3);  // top
        for (Byte seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(f.table.seatAt(f.table.placeOf(seat)), seat);
            f.g.hands[seat] = handOf(seat);
            runNow(f.table.dealPacket(seat, f.g.hands[seat]));
            f.table.layOutHand(seat, f.g.hands[seat]);
        }
        EXPECT_EQ(f.table.fan(), handOf(viewer));
        for (Byte seat = 1; seat <= 4; ++seat) {
            const Byte card = f.g.hands[seat][5];
            f.table.showDrawnCard(seat, card);
            EXPECT_EQ(f.scene.card(card).pos(), at(drawPosition(f.geo(), f.table.placeOf(seat))));
            f.g.leaderSeat = seat;
            runNow(f.table.cardPlayed(seat, card, f.g.hands[seat], kNoSignal, false));
            EXPECT_EQ(f.scene.card(card).pos(), at(tablePosition(f.geo(), f.table.placeOf(seat))));
        }
    }
}

TEST(TurnedTable, OnlyTheViewersCardsAreTakenAsItsPlay) {
    TableFixture f;
    f.table.setViewer(3);
    f.g.hands[3] = handOf(3);
    f.g.hands[1] = handOf(1);
    f.table.layOutHand(3, f.g.hands[3]);
    std::optional<Byte> played;
    Task<> wait = capture(f.table.humanCard(), played);
    wait.start();
    f.table.onCardPress(handOf(1)[2], Qt::LeftButton);
    EXPECT_FALSE(played);
    f.table.onCardPress(handOf(3)[2], Qt::LeftButton);
    EXPECT_EQ(played, handOf(3)[2]);
}

}  // namespace
}  // namespace morvello
