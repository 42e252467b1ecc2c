// What this suite guards: the table shown from any seat puts that seat's hand
// in the fan at the bottom, its partner at the top and the next seat on the
// right, for every card dealt, drawn, played and gathered, and takes clicks on
// the viewer's cards only.
#include <gtest/gtest.h>

#include "cards/play_signal.h"
#include "table_fixture.h"

namespace morvello {
namespace {

using namespace morvello::testing;

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
